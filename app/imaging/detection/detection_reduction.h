// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DETECTION_REDUCTION_H
#define CORVANE_DETECTION_REDUCTION_H

// The detector's working picture: the frame reduced so that neither side
// is much above 1600 pixels, as one grey channel, with locally bright
// pixels lifted to white.

#include <opencv2/core/mat.hpp>

namespace detection {

// 4 when either side is at least 2048 pixels, 2 from 1601, else 1.
int reductionFactor(int width, int height);

// The picture at (width / factor, height / factor), linear interpolation;
// three channels become their largest value per pixel. Empty when the
// reduction leaves no pixel (a 1 x 10000 strip reduced by 4).
cv::Mat reducedGray(const cv::Mat &image, int factor);

// Pixels that stand out above their 15 x 15 neighbourhood (after a 9 x 9
// median, so text strokes and noise do not count) become 255: print on the
// sheet and the sheet's shaded margin join the paper.
void liftLocalHighlights(cv::Mat &gray);

} // namespace detection

#endif
