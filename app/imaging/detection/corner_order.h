// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORNER_ORDER_H
#define CORVANE_CORNER_ORDER_H

#include <opencv2/core/types.hpp>

#include <array>

namespace detection {

// Sorts the corners counter-clockwise as seen on screen by their angle
// around the corners' centre (y taken upward), from 0 (to the right) up to
// a full turn: an upright sheet gives top-right, top-left, bottom-left,
// bottom-right.
void orderCounterClockwise(std::array<cv::Point, 4> &corners);

// True when every two corners are at least minDistance apart.
bool cornersApart(const std::array<cv::Point, 4> &corners, int minDistance);

} // namespace detection

#endif
