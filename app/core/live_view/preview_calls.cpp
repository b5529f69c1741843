// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/preview_calls.h"

#include "core/connection/library_camera_operations.h"

PreviewCalls PreviewCalls::library()
{
    PreviewCalls calls;
    calls.startPreview = [](const char *ip) { return QV_StartPreview(ip); };
    calls.stopPreview = [](PreviewStream *stream) { QV_StopPreview(stream); };
    calls.fetchFrame = [](PreviewStream *stream, void *buffer, FrameInfo *info) {
        return QV_GetVideoFrame(stream, buffer, info);
    };
    calls.setResolution = [](const char *ip, int width, int height) {
        return LibraryCameraOperations::shared().setResolution(QByteArray(ip), width, height);
    };
    return calls;
}
