// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/page_watch/page_thumbnail.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace {

constexpr int kPickFactor = 4; // picked pixels per thumbnail pixel along a side

int colourCode(int channels, PixelOrder order)
{
    if (channels == 3)
        return order == PixelOrder::Bgr ? cv::COLOR_BGR2GRAY : cv::COLOR_RGB2GRAY;
    return order == PixelOrder::Bgr ? cv::COLOR_BGRA2GRAY : cv::COLOR_RGBA2GRAY;
}

} // namespace

cv::Mat pageThumbnail(const cv::Mat &picture, PixelOrder order)
{
    if (picture.empty() || picture.dims != 2 || picture.depth() != CV_8U)
        return cv::Mat();
    const int channels = picture.channels();
    if (channels != 1 && channels != 3 && channels != 4)
        return cv::Mat();
    const int width = kThumbnailWidth;
    const int height = std::max(1, static_cast<int>(static_cast<long long>(picture.rows) * width /
                                                    std::max(1, picture.cols)));
    // Picking first keeps the colour conversion and the averaging on a few
    // tens of thousands of pixels whatever the camera's resolution.
    const cv::Size picked(std::min(picture.cols, width * kPickFactor),
                          std::min(picture.rows, height * kPickFactor));
    cv::Mat small;
    cv::resize(picture, small, picked, 0, 0, cv::INTER_NEAREST);
    cv::Mat gray;
    if (channels == 1)
        gray = small;
    else
        cv::cvtColor(small, gray, colourCode(channels, order));
    cv::Mat thumbnail;
    cv::resize(gray, thumbnail, cv::Size(width, height), 0, 0, cv::INTER_AREA);
    return thumbnail;
}
