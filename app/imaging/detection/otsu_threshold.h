#ifndef CORVANE_OTSU_THRESHOLD_H
#define CORVANE_OTSU_THRESHOLD_H

#include <opencv2/core/mat.hpp>

namespace detection {

// Otsu's threshold of an 8-bit grey picture: the first level k that
// maximises the between-class variance of "<= k" against "> k". Levels
// that leave a class empty never win; a picture of one level gives 0.
int otsuThreshold(const cv::Mat &gray);

} // namespace detection

#endif
