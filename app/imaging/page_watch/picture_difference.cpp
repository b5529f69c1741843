// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/page_watch/picture_difference.h"

#include <opencv2/core.hpp>

#include <algorithm>

namespace {

bool comparable(const cv::Mat &a, const cv::Mat &b)
{
    return !a.empty() && a.size() == b.size() && a.type() == b.type() && a.type() == CV_8UC1;
}

double shareAbove(const cv::Mat &difference, int pixelDelta)
{
    if (difference.empty())
        return 1.0;
    cv::Mat above;
    cv::compare(difference, cv::Scalar::all(pixelDelta), above, cv::CMP_GT);
    return static_cast<double>(cv::countNonZero(above)) / static_cast<double>(difference.total());
}

} // namespace

double changedShare(const cv::Mat &a, const cv::Mat &b, int pixelDelta)
{
    if (!comparable(a, b))
        return 1.0;
    cv::Mat difference;
    cv::absdiff(a, b, difference);
    return shareAbove(difference, pixelDelta);
}

double pageDifference(const cv::Mat &a, const cv::Mat &b, int pixelDelta, int maxShift)
{
    if (!comparable(a, b))
        return 1.0;
    const int shift = std::clamp(maxShift, 0, std::min(a.cols, a.rows) / 4);
    cv::Mat wideA, wideB;
    a.convertTo(wideA, CV_16S);
    // Moving b's brightness onto a's takes out a change of exposure.
    const double offset = cv::mean(a)[0] - cv::mean(b)[0];
    b.convertTo(wideB, CV_16S, 1.0, offset);

    const cv::Rect inner(shift, shift, a.cols - 2 * shift, a.rows - 2 * shift);
    const cv::Mat innerA = wideA(inner);
    double best = 1.0;
    cv::Mat difference, magnitude;
    for (int dy = -shift; dy <= shift; ++dy) {
        for (int dx = -shift; dx <= shift; ++dx) {
            cv::absdiff(innerA, wideB(inner + cv::Point(dx, dy)), difference);
            difference.convertTo(magnitude, CV_8U);
            best = std::min(best, shareAbove(magnitude, pixelDelta));
        }
    }
    return best;
}
