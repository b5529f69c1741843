// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PICTURE_PLACEMENT_H
#define CORVANE_PICTURE_PLACEMENT_H

// Where the live picture lands on screen: it fills the height of the
// picture area below the 32-pixel title bar and is centred horizontally; a
// picture that is wider than the window after scaling is cut equally at both
// sides (the rectangle then starts left of the screen).
//
// Pure arithmetic, no thread rules.

#include <QRect>
#include <QSize>

constexpr int kTitleBarHeight = 32;

// The drawn width is w / (h / viewHeight) in floating point, truncated; the
// left edge is (screenWidth - drawnWidth) / 2 in integer division. An empty
// picture gives an empty rectangle.
QRect pictureTargetRect(const QSize &picture, int screenWidth, int viewHeight);

#endif
