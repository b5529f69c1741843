// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_OUTLINE_OVERLAP_H
#define BENCH_OUTLINE_OVERLAP_H

#include <opencv2/core.hpp>

#include <array>

namespace bench {

// Jaccard index (intersection over union) of two quadrilaterals, each
// clipped to the picture first: a detector can only see the part of a
// sheet that is in the frame. Corners in any order; a quadrilateral that
// is not convex is replaced by its hull.
double outlineJaccard(const std::array<cv::Point2f, 4> &a, const std::array<cv::Point2f, 4> &b,
                      cv::Size picture);

} // namespace bench

#endif
