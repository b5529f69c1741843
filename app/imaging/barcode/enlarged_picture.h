// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ENLARGED_PICTURE_H
#define CORVANE_ENLARGED_PICTURE_H

// The picture for the second scan: sharpened (an unsharp mask, which
// undoes some of the lens blur that merges modules of two or three pixels)
// and then enlarged with cubic interpolation, so that ZBar's edge finder
// sees every module as several samples. On the benchmark's pictures this
// read more small and blurred codes than plain linear or cubic
// enlargement, and sharpening before enlarging costs a quarter of
// sharpening after.
//
// Thread rules: a pure function, any thread.

namespace cv {
class Mat;
}

namespace barcode {

// A new continuous CV_8UC1 picture `scale` times the size of `grey`.
cv::Mat enlargedPicture(const cv::Mat &grey, double scale);

} // namespace barcode

#endif
