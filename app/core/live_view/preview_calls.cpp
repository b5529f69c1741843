#include "core/live_view/preview_calls.h"

PreviewCalls PreviewCalls::library()
{
    PreviewCalls calls;
    calls.startPreview = [](const char *ip) { return QV_StartPreview(ip); };
    calls.stopPreview = [](PreviewStream *stream) { QV_StopPreview(stream); };
    calls.fetchFrame = [](PreviewStream *stream, void *buffer, FrameInfo *info) {
        return QV_GetVideoFrame(stream, buffer, info);
    };
    calls.setResolution = [](const char *ip, int width, int height) {
        return QV_SendSetResolution(ip, width, height);
    };
    return calls;
}
