// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DISPLAY_DECODE_SCALE_H
#define CORVANE_DISPLAY_DECODE_SCALE_H

// How small a camera frame may be decoded for the screen. The window draws
// the picture into a fixed number of rows (the picture area's height, more
// when the picture is zoomed); decoding more pixels than that only to throw
// them away in the paint's shrink costs most of a 3840x2880 frame's decode
// time. The decoder's cheap reductions are 1/2, 1/4 and 1/8 per side; those
// in between save little (bench_frame_decode: 3/8 costs more than 1/2, 5/8
// and 3/4 about four fifths of the full decode).
//
// The picture fills the rows with the side that stands upright on screen:
// its height, or its width while the view is turned a quarter (so a turned
// 3840x2880 frame zoomed to 1.4, 1747 rows, still decodes at half size).
//
// Pure arithmetic, no thread rules.

#include "core/live_view/jpeg_frame_decoder.h"

#include <QSize>

// The smallest of 1/8, 1/4, 1/2 whose scaled upright side still has at
// least `rows` pixels; 1/1 when none does, when rows is 0 or less (no limit
// known) or the frame size is unknown.
JpegScale displayDecodeScale(const QSize &frame, int rows, bool quarterTurned = false);

#endif
