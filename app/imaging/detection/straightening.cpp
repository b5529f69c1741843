// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/straightening.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace detection {

namespace {

constexpr double kFullTurn = 6.283185;

} // namespace

cv::Size straightenedCanvas(cv::Size frame, float angle)
{
    const double c = std::cos(static_cast<double>(angle));
    const double s = std::sin(static_cast<double>(angle));
    const double w = frame.width;
    const double h = frame.height;
    return cv::Size(static_cast<int>(std::fabs(w * c) + std::fabs(h * s)),
                    static_cast<int>(std::fabs(w * s) + std::fabs(h * c)));
}

cv::Matx23d straighteningTransform(cv::Size frame, float angle)
{
    // A turn by A = -angle (clockwise on screen for positive A, y down).
    const double a = kFullTurn - angle;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const cv::Size canvas = straightenedCanvas(frame, angle);
    const double halfW = frame.width / 2.0;
    const double halfH = frame.height / 2.0;
    return cv::Matx23d(c, -s, canvas.width / 2.0 + halfH * s - halfW * c,
                       s, c, canvas.height / 2.0 - halfW * s - halfH * c);
}

StraightenedBox straightenedBox(cv::Size frame, float angle, const std::array<cv::Point, 4> &corners)
{
    const cv::Matx23d straighten = straighteningTransform(frame, angle);
    StraightenedBox box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const cv::Point &p : corners) {
        const int x = static_cast<int>(straighten(0, 0) * p.x + straighten(0, 1) * p.y + straighten(0, 2));
        const int y = static_cast<int>(straighten(1, 0) * p.x + straighten(1, 1) * p.y + straighten(1, 2));
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}

} // namespace detection
