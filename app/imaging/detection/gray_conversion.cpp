// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/gray_conversion.h"

namespace {

cv::Mat weightedGray(const cv::Mat &picture, int red, int blue)
{
    if (picture.empty() || picture.depth() != CV_8U || picture.dims != 2)
        return cv::Mat();
    const int channels = picture.channels();
    if (channels == 1)
        return picture.clone();
    if (channels != 3 && channels != 4)
        return cv::Mat();
    cv::Mat gray(picture.size(), CV_8UC1);
    for (int y = 0; y < picture.rows; ++y) {
        const uchar *in = picture.ptr<uchar>(y);
        uchar *out = gray.ptr<uchar>(y);
        for (int x = 0; x < picture.cols; ++x, in += channels)
            out[x] = static_cast<uchar>((11 * in[red] + 16 * in[1] + 5 * in[blue]) >> 5);
    }
    return gray;
}

} // namespace

cv::Mat grayFromBgr(const cv::Mat &picture)
{
    return weightedGray(picture, 2, 0);
}

cv::Mat grayFromRgb(const cv::Mat &picture)
{
    return weightedGray(picture, 0, 2);
}
