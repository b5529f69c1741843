// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCALED_FRAME_CACHE_H
#define CORVANE_SCALED_FRAME_CACHE_H

// The live picture scaled to its place on screen, made once per new frame
// (or new target size) instead of at every paint event: the window repaints
// continuously, and rescaling a full-resolution frame each time would only
// burn the GUI thread. The result is what an unsmoothed draw of the frame
// into the target rectangle shows. On a screen scaled by a device pixel
// ratio (QT_SCALE_FACTOR=2) the target is in logical pixels and the result
// has ratio times as many, carrying that ratio, so it is drawn at the
// screen's full resolution instead of blown up.
//
// Thread rules: GUI thread only.

#include <QImage>
#include <QSize>

class ScaledFrameCache {
public:
    // The picture of the given frame at the given size, reusing the last
    // result when neither changed.
    const QImage &scaled(const QImage &frame, const QSize &target, qreal pixelRatio = 1.0);
    int rescaleCount() const { return rescales_; }

private:
    qint64 frameKey_ = -1;
    QSize target_;
    qreal pixelRatio_ = 1.0;
    QImage scaled_;
    int rescales_ = 0;
};

#endif
