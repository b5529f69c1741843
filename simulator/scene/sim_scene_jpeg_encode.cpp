// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_jpeg_encode.h"

#include <opencv2/imgcodecs.hpp>

namespace camsim {

namespace {

constexpr int kBlockWidth = 16; // 4:2:0 sampling, which the encoder uses by default

} // namespace

std::vector<uint8_t> encodeSceneJpeg(const cv::Mat &picture, int quality)
{
    const int blocksPerRow = (picture.cols + kBlockWidth - 1) / kBlockWidth;
    const std::vector<int> params = {cv::IMWRITE_JPEG_QUALITY, quality,
                                     cv::IMWRITE_JPEG_RST_INTERVAL, blocksPerRow,
                                     cv::IMWRITE_JPEG_OPTIMIZE, 0};
    std::vector<uint8_t> out;
    cv::imencode(".jpg", picture, out, params);
    return out;
}

} // namespace camsim
