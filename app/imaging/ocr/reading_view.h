// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_READING_VIEW_H
#define CORVANE_READING_VIEW_H

// The grey picture handed to the reader, made from a camera picture: the
// sheet's perspective cut-out when the detector finds a sheet (print seen
// askew or at a slant is read badly, and skewed by 7 degrees or more not at
// all), enlarged when the print is small, and turned by quarter turns when
// the page lies sideways or upside down. Each view knows how to map its
// pixels back onto the picture, so words read in it land on their print.
//
// Thread rules: plain values and pure functions.

#include <opencv2/core/mat.hpp>
#include <opencv2/core/matx.hpp>

namespace ocr {

struct ReadingView {
    cv::Mat gray;                              // 8-bit, one channel
    cv::Matx33d toPicture = cv::Matx33d::eye(); // view pixels -> picture pixels (homography)
    bool straightened = false;
    int quarterTurns = 0;                      // clockwise, 0..3
    double scale = 1;                          // enlargement of the print
};

// The grey picture of an 8-bit picture with 1, 3 (BGR) or 4 (BGRA)
// channels, with the application's weights; empty for anything else.
cv::Mat grayPicture(const cv::Mat &picture);

// The sheet's perspective cut-out when the detector finds a sheet that
// covers at least `minSheetShare` of the picture and is brighter than its
// surroundings; otherwise the picture itself. Enlarged by `scale`, or when
// `scale` is 0 by printScale() of the unenlarged view.
ReadingView uprightView(const cv::Mat &gray, double minSheetShare, double scale);

// The enlargement (1..3) that gives the print of a grey picture the size
// Tesseract reads best: the median height of the blobs of ink that have
// the size and shape of characters, brought to about kReadableHeight
// pixels. 1 when there is too little ink to tell.
double printScale(const cv::Mat &gray);

// The same view turned clockwise by `quarterTurns` quarter turns.
ReadingView turnedView(const ReadingView &upright, int quarterTurns);

// A point of the view mapped onto the picture.
cv::Point2f toPicture(const ReadingView &view, cv::Point2f point);

} // namespace ocr

#endif
