// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FRAME_DECODING_H
#define CORVANE_FRAME_DECODING_H

// JPEG bytes from the camera to a QImage that owns its pixels: grey stays
// 8-bit grey, colour becomes RGB888 (the decoder's BGR swapped), four
// channels ARGB32. Anything that does not decode gives a null image.
//
// Thread rules: none (pure functions), used on the worker thread.

#include <QImage>

namespace cv {
class Mat;
}

QImage decodeFrame(const unsigned char *bytes, int size);
QImage imageFromMat(const cv::Mat &mat);

#endif
