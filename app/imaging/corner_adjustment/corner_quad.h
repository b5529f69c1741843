// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORNER_QUAD_H
#define CORVANE_CORNER_QUAD_H

// Four corners of a sheet as the person places them: top-left, top-right,
// bottom-right, bottom-left, clockwise on screen (y downward). Such a
// quadrilateral gives a cut-out only when it is convex and not squashed:
// crossed edges or three corners on a line leave no perspective to undo.
//
// Thread rules: none (plain value, pure functions).

#include <opencv2/core/types.hpp>

#include <array>

using CornerQuad = std::array<cv::Point2f, 4>;

enum CornerRole { kTopLeft = 0, kTopRight = 1, kBottomRight = 2, kBottomLeft = 3 };

// Convex with every turn clockwise on screen, every edge at least minEdge
// long and every corner at least minEdge away from the line through its
// neighbours (no corner nearly straight).
bool usableQuad(const CornerQuad &quad, float minEdge);

// Any four corners (a detector's, in its own order) in the roles above:
// sorted clockwise around their centre, starting with the corner nearest
// the top-left (smallest x + y).
CornerQuad quadFromCorners(const std::array<cv::Point2f, 4> &corners);

// The tilt of the quadrilateral as the detector reports tilts: the mean
// slope of its top and bottom edges in radians, positive when they fall to
// the right, folded into -pi/4..pi/4.
float quadAngle(const CornerQuad &quad);

#endif
