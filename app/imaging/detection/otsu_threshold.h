// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OTSU_THRESHOLD_H
#define CORVANE_OTSU_THRESHOLD_H

#include <opencv2/core/mat.hpp>

namespace detection {

// Returned for a picture of a single grey level, where no level splits
// the pixels into two classes.
constexpr int kNoOtsuThreshold = -1;

// Otsu's threshold of an 8-bit grey picture: the first level k that
// maximises the between-class variance of "<= k" against "> k". Levels
// that leave a class empty never win.
int otsuThreshold(const cv::Mat &gray);

} // namespace detection

#endif
