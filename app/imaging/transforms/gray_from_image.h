// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_GRAY_FROM_IMAGE_H
#define CORVANE_GRAY_FROM_IMAGE_H

// A picture as 8-bit grey for the detectors (document outline, bar codes):
// every pixel becomes (11*R + 16*G + 5*B) >> 5, from the pixel's colour as
// QImage::pixel() reports it. The result owns its pixels and packs its rows
// at OpenCV's step, so widths that are not a multiple of 4 stay aligned.
//
// Runs on every detection frame, so the common camera formats (RGB888,
// 32-bit RGB, grey) are converted a vector register at a time; other
// formats are first converted to 32-bit ARGB.
//
// Thread rules: none (a pure function, any thread).

#include <opencv2/core.hpp>

class QImage;

// An empty Mat for a null picture.
cv::Mat grayFromImage(const QImage &image);

#endif
