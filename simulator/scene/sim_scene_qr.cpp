// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_qr.h"

#include <opencv2/imgproc.hpp>
#include <qrencode.h>

#include <memory>

namespace camsim {

cv::Mat renderQrCode(const std::string &text, int modulePixels)
{
    if (modulePixels < 1)
        return cv::Mat();
    std::unique_ptr<QRcode, void (*)(QRcode *)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code)
        return cv::Mat();
    const int quiet = 4;
    const int modules = code->width + 2 * quiet;
    cv::Mat small(modules, modules, CV_8UC1, cv::Scalar(255));
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                small.at<uint8_t>(y + quiet, x + quiet) = 0;
    cv::Mat big;
    cv::resize(small, big, cv::Size(), modulePixels, modulePixels, cv::INTER_NEAREST);
    return big;
}

} // namespace camsim
