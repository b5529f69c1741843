// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SHEET_ANGLE_H
#define CORVANE_SHEET_ANGLE_H

#include "imaging/detection/sheet_corners.h"

namespace detection {

// Tilt of the quadrilateral p0-p2-p1-p3 in radians, -pi/4..pi/4: at p2 and
// at p0 the longer of the two edges gives a slope (atan(dy/dx), y down; a
// vertical edge gives none), and the slopes are averaged as directions of
// a rectangle, i.e. modulo a quarter turn. 0 when no edge gives a slope.
float sheetAngle(const SheetQuad &quad);

} // namespace detection

#endif
