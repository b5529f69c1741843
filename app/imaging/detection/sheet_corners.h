// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SHEET_CORNERS_H
#define CORVANE_SHEET_CORNERS_H

// Four corners of the grown paper region, in the reduced picture.

#include <opencv2/core/mat.hpp>
#include <opencv2/core/types.hpp>

#include <vector>

namespace detection {

// p0-p1 and p2-p3 are the diagonals, so the outline runs p0, p2, p1, p3.
struct SheetQuad {
    cv::Point p0;
    cv::Point p1;
    cv::Point p2;
    cv::Point p3;
};

// For each column, the first pixel from the top and the first from the
// bottom where the region (mask 0) runs on for three pixels, in column
// order, top before bottom.
std::vector<cv::Point> boundaryPoints(const cv::Mat &mask);

// Corners from the boundary points: the farthest pair (p0, p1), the point
// farthest from that diagonal (p2), the point farthest from p2 (p3). False
// when the points span no diagonal (fewer than two distinct points).
bool extremeCorners(const std::vector<cv::Point> &points, SheetQuad *quad);

// Corners of the minimum-area rectangle around the region's contour with
// the largest bounding box that does not touch the picture's border, grown
// by one pixel on their far side so that they enclose the outer pixels.
// False (quad untouched) when every contour touches the border.
bool rectangleCorners(const cv::Mat &mask, SheetQuad *quad);

} // namespace detection

#endif
