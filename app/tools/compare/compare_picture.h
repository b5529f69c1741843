// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMPARE_PICTURE_H
#define CORVANE_COMPARE_PICTURE_H

// What a compare window shows of its stored picture: the centred cut-out
// of its zoom, turned by its quarter turns, stretched to the window (the
// windows are filled, not letterboxed). The stored picture itself is never
// changed, so zooming out or turning back loses nothing.
//
// The zoom is counted in tenths of the picture cut away (0 = whole
// picture, 8 = the middle fifth of each side): a step count cannot drift
// the way repeated additions of 0.1 do, so the limit is the same on every
// click.
//
// Pure functions, no thread rules.

#include <QImage>
#include <QRect>
#include <QSize>

constexpr int kMaxCompareCropTenths = 8;

// Quarter turns clockwise after turning by `delta` (-1 left, +1 right),
// kept in 0..3.
int turnedBy(int quarterTurns, int delta);

// Crop tenths after a zoom step of `delta` (+1 in, -1 out): never below 0;
// a step that would cut away 0.9 or more of the picture gives 8.
int croppedBy(int cropTenths, int delta);

// The centred rectangle left when cropTenths/10 of the width and height
// are cut away (at least one pixel each way).
QRect compareCutOut(const QSize &picture, int cropTenths);

// The picture as its window shows it, `target` in size. A null picture
// or an empty target gives a null image.
QImage compareView(const QImage &picture, int quarterTurns, int cropTenths, const QSize &target);

#endif
