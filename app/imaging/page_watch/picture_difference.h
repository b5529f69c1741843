// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PICTURE_DIFFERENCE_H
#define CORVANE_PICTURE_DIFFERENCE_H

// How different two page thumbnails are, as the share (0..1) of pixels
// whose grey values differ by more than a noise margin. A share says more
// than a mean difference: a hand covering a tenth of the picture and a
// camera's noise over all of it can have the same mean.
//
// Thread rules: none (pure functions).

#include <opencv2/core/mat.hpp>

// Between consecutive thumbnails, pixel by pixel. Pictures of different
// sizes or types (a new resolution, a turned view) count as wholly
// different: 1.
double changedShare(const cv::Mat &a, const cv::Mat &b, int pixelDelta);

// Between two settled pictures that may be the same page: the brightness
// difference of the whole pictures is taken out first (the camera's
// exposure drifts, a lamp is switched on), and the page may have moved by
// up to maxShift thumbnail pixels either way (the book pressed flat again
// after a hand passed); the smallest share over those shifts counts, taken
// over the part of the picture that every shift covers.
double pageDifference(const cv::Mat &a, const cv::Mat &b, int pixelDelta, int maxShift);

#endif
