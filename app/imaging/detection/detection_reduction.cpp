// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/detection_reduction.h"

#include "imaging/detection/median9.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace detection {

int reductionFactor(int width, int height)
{
    if (width >= 2048 || height >= 2048)
        return 4;
    if (width >= 1601 || height >= 1601)
        return 2;
    return 1;
}

cv::Mat reducedGray(const cv::Mat &image, int factor)
{
    const cv::Size size(image.cols / factor, image.rows / factor);
    if (size.width < 1 || size.height < 1)
        return cv::Mat();
    cv::Mat reduced;
    if (factor == 1)
        reduced = image;
    else
        cv::resize(image, reduced, size, 0, 0, cv::INTER_LINEAR);
    if (reduced.channels() == 1)
        return factor == 1 ? reduced.clone() : reduced;

    cv::Mat gray(size, CV_8UC1);
    for (int y = 0; y < size.height; ++y) {
        const uchar *in = reduced.ptr<uchar>(y);
        uchar *out = gray.ptr<uchar>(y);
        for (int x = 0; x < size.width; ++x, in += 3)
            out[x] = std::max(in[0], std::max(in[1], in[2]));
    }
    return gray;
}

void liftLocalHighlights(cv::Mat &gray)
{
    cv::Mat marks;
    medianBlur9(gray, marks);
    cv::adaptiveThreshold(marks, marks, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, 15,
                          -3);
    gray.setTo(255, marks);
}

} // namespace detection
