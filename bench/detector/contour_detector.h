// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_CONTOUR_DETECTOR_H
#define BENCH_CONTOUR_DETECTOR_H

// The textbook OpenCV sheet finder, as the yardstick: grey, blur, Canny
// edges, the largest contour that simplifies to a convex four-cornered
// polygon. It works on the same reduced picture as the document detector
// (factor 2 from 1601 pixels, 4 from 2048) and reports full-size corners.

#include <opencv2/core.hpp>

#include <array>

namespace bench {

// picture: BGR. False when no such contour covers at least 5 % of the
// picture.
bool findSheetByContours(const cv::Mat &picture, std::array<cv::Point2f, 4> *corners);

} // namespace bench

#endif
