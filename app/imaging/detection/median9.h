// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MEDIAN9_H
#define CORVANE_MEDIAN9_H

// The 9 x 9 median of an 8-bit grey picture, borders replicated: the same
// pixels as cv::medianBlur(src, dst, 9), several times faster. OpenCV's
// histogram method takes about 17 ms for a 960 x 540 picture on one core,
// more than the rest of the document detector together; this one sorts the
// window columns once per row and takes the middle of their merge with a
// fixed network of lane-wise min/max, 16 or 32 pixels at a time (SSE2 or
// AVX2). Elsewhere it falls back to OpenCV.
//
// Thread rules: none (a pure function).

#include <opencv2/core/mat.hpp>

namespace detection {

// src: CV_8UC1, any size (not empty). dst: same size and type.
void medianBlur9(const cv::Mat &src, cv::Mat &dst);

// The same on 16 lanes (SSE2) even where AVX2 is there, so that tests cover
// both paths.
void medianBlur9Narrow(const cv::Mat &src, cv::Mat &dst);

} // namespace detection

#endif
