// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_VIEW_TRANSFORM_H
#define CORVANE_VIEW_TRANSFORM_H

// The per-frame transform of the live view as a pure function: turn the
// frame by quarter turns clockwise, mirror it, then cut the centred zoom
// rectangle out of the result. Works on a frame of any size, so the same
// ViewState gives the same view of a display-sized frame and of a
// full-resolution one.
//
// The result is pixel for pixel what turning, mirroring and cutting one
// after the other gives, but the zoom rectangle is cut out of the source
// first and only that part is turned and mirrored, in at most two passes:
// at 1.9 only a hundredth of the frame is touched. A frame the state leaves
// unchanged comes back shared, without a copy.
//
// Thread rules: none (pure functions, any thread).

#include "imaging/transforms/view_state.h"

#include <QImage>
#include <QRect>
#include <QSize>

// The zoom rectangle inside a picture of the given size (already turned):
// with d = zoom - 1, x = W*d*0.5, y = d*H*0.5, w = W - W*d, h = H - d*H, each
// computed in double and truncated toward zero; never narrower or lower than
// one pixel. The whole picture while zoom <= 1.
QRect zoomCutOut(const QSize &picture, double zoom);

// How many times larger than at zoom 1 the cut-out is drawn: the picture's
// height over the cut-out's, 1 / (2 - zoom), so 1.5 doubles and 1.9 draws
// ten times larger. 1 while zoom <= 1.
double zoomMagnification(double zoom);

// The size of the frame after turning (width and height swap on odd steps).
QSize turnedSize(const QSize &frame, int rotationStep);

QImage applyViewTransform(const QImage &frame, const ViewState &state);

#endif
