#include "imaging/detection/straightening.h"

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

} // namespace detection
