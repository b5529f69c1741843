// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_FRAME_PATH_H
#define CORVANE_LIVE_FRAME_PATH_H

// The way from a decoded frame to the main window's current frame. This is
// the one place where the view transforms (rotation, mirror, digital zoom)
// and the periodic document detection act on each frame; with all of them at
// their start values the frame passes unchanged.
//
// Thread rules: GUI thread only.

#include <QImage>

class ViewTransforms;

class LiveFramePath {
public:
    // The view transforms every frame passes through (rotation, mirror,
    // zoom, the detection schedule); none means frames pass unchanged.
    void setTransforms(ViewTransforms *transforms) { transforms_ = transforms; }
    QImage toCurrentFrame(const QImage &decoded);
    long long framesSeen() const { return framesSeen_; }

private:
    long long framesSeen_ = 0;
    ViewTransforms *transforms_ = nullptr;
};

#endif
