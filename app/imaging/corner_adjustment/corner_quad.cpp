// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/corner_adjustment/corner_quad.h"

#include <algorithm>
#include <cmath>

namespace {

// z of (b - a) x (c - b): positive for a clockwise turn on screen (y down).
double turn(cv::Point2f a, cv::Point2f b, cv::Point2f c)
{
    return (double(b.x) - a.x) * (double(c.y) - b.y) - (double(b.y) - a.y) * (double(c.x) - b.x);
}

double length(cv::Point2f a, cv::Point2f b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

} // namespace

bool usableQuad(const CornerQuad &quad, float minEdge)
{
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f before = quad[(i + 3) % 4];
        const cv::Point2f here = quad[i];
        const cv::Point2f after = quad[(i + 1) % 4];
        const double edge = length(here, after);
        if (!(edge >= minEdge))
            return false;
        // The cross product over the neighbours' distance is the corner's
        // distance from the line through them.
        const double base = length(before, after);
        if (!(turn(before, here, after) > 0) || turn(before, here, after) / base < minEdge)
            return false;
    }
    // With four corners, four turns of one sign make a convex, simple
    // quadrilateral: a crossed one (a bow tie) turns both ways.
    return true;
}

CornerQuad quadFromCorners(const std::array<cv::Point2f, 4> &corners)
{
    cv::Point2f centre(0, 0);
    for (const cv::Point2f &p : corners)
        centre += p * 0.25f;
    CornerQuad quad = corners;
    // Clockwise on screen is increasing atan2 with y downward.
    std::sort(quad.begin(), quad.end(), [centre](cv::Point2f a, cv::Point2f b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) <
               std::atan2(b.y - centre.y, b.x - centre.x);
    });
    const auto topLeft = std::min_element(quad.begin(), quad.end(), [](cv::Point2f a, cv::Point2f b) {
        return a.x + a.y < b.x + b.y;
    });
    std::rotate(quad.begin(), topLeft, quad.end());
    return quad;
}

float quadAngle(const CornerQuad &quad)
{
    const auto slope = [](cv::Point2f from, cv::Point2f to) {
        return std::atan2(double(to.y) - from.y, double(to.x) - from.x);
    };
    double angle = (slope(quad[kTopLeft], quad[kTopRight]) +
                    slope(quad[kBottomLeft], quad[kBottomRight])) / 2.0;
    const double quarter = M_PI / 2.0;
    while (angle > quarter / 2.0)
        angle -= quarter;
    while (angle < -quarter / 2.0)
        angle += quarter;
    return static_cast<float>(angle);
}
