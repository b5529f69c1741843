// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PREVIEW_CALLS_H
#define CORVANE_PREVIEW_CALLS_H

// The camera-link calls the live view makes, as replaceable functions: the
// program uses the library's, tests a camera of their own, and the start's
// resolution request can be routed through whatever serialises the
// application's camera commands.
//
// Thread rules: startPreview, stopPreview and setResolution are called on
// the GUI thread; fetchFrame on the live-view worker's thread.

#include <functional>

#include "qv_camera.h"

struct PreviewCalls {
    std::function<PreviewStream *(const char *ip)> startPreview;
    std::function<void(PreviewStream *)> stopPreview;
    std::function<int(PreviewStream *, void *, FrameInfo *)> fetchFrame;
    std::function<int(const char *ip, int width, int height)> setResolution;

    // QV_StartPreview, QV_StopPreview, QV_GetVideoFrame, and the resolution
    // request through the application's one command lane.
    static PreviewCalls library();
};

#endif
