// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/enlarged_picture.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

namespace barcode {

cv::Mat enlargedPicture(const cv::Mat &grey, double scale)
{
    cv::Mat blurred, sharpened, enlarged;
    cv::GaussianBlur(grey, blurred, cv::Size(), 1.5);
    cv::addWeighted(grey, 2.0, blurred, -1.0, 0, sharpened);
    cv::resize(sharpened, enlarged, cv::Size(), scale, scale, cv::INTER_CUBIC);
    return enlarged;
}

} // namespace barcode
