// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_GRAY_CONVERSION_H
#define CORVANE_GRAY_CONVERSION_H

// The grey picture the application hands to the document detector,
// without Qt: (11 R + 16 G + 5 B) >> 5 per pixel, the weights of the
// application's QImage conversion, so that tools and benchmarks measure
// the detector on the same grey values.
//
// Thread rules: none (pure functions).

#include <opencv2/core/mat.hpp>

// 8-bit pictures only: BGR or BGRA (alpha ignored; QImage's RGB32 and
// ARGB32 have this byte order) become one channel, grey is copied.
// Anything else gives an empty picture.
cv::Mat grayFromBgr(const cv::Mat &picture);

// The same for RGB byte order (QImage's RGB888).
cv::Mat grayFromRgb(const cv::Mat &picture);

#endif
