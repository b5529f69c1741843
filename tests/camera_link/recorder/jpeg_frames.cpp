// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpeg_frames.h"

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <map>

JpegBytes encodeTestPicture(int width, int height, int seed, int quality)
{
    cv::Mat picture(height, width, CV_8UC3);
    for (int y = 0; y < height; ++y) {
        auto *row = picture.ptr<cv::Vec3b>(y);
        for (int x = 0; x < width; ++x) {
            row[x] = cv::Vec3b(static_cast<uchar>((x * 4 + seed * 37) & 0xFF),
                               static_cast<uchar>((y * 5 + seed * 91) & 0xFF),
                               static_cast<uchar>(((x ^ y) + seed * 13) & 0xFF));
        }
    }
    std::vector<uchar> out;
    cv::imencode(".jpg", picture, out, {cv::IMWRITE_JPEG_QUALITY, quality});
    return JpegBytes(out.begin(), out.end());
}

const JpegBytes &testJpeg(int n)
{
    static std::map<int, JpegBytes> cache;
    auto it = cache.find(n);
    if (it == cache.end())
        it = cache.emplace(n, encodeTestPicture(kTestFrameWidth, kTestFrameHeight, n)).first;
    return it->second;
}
