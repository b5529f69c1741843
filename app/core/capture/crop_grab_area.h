// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CROP_GRAB_AREA_H
#define CORVANE_CROP_GRAB_AREA_H

// What a photo in crop mode takes: the screen inside the red crop frame,
// without the frame. The frame is drawn with a one-pixel pen over the
// rectangle's outline, which covers x .. x + width and y .. y + height, so
// the inside starts one pixel in and is one pixel narrower and lower than
// the rectangle. A rectangle dragged up or to the left is normalised first.
//
// Thread rules: grabScreenArea on the GUI thread; the rest are pure.

#include <QPixmap>
#include <QRect>

class QWidget;

// The area inside the frame of `cropRect`; empty when nothing lies inside
// (a click without a drag, or no rectangle).
QRect cropGrabArea(const QRect &cropRect);

// The screen's pixels of `area`, given in `window`'s coordinates, as they
// are on screen now (panels and all).
QPixmap grabScreenArea(const QWidget *window, const QRect &area);

#endif
