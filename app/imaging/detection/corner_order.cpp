// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/corner_order.h"

#include <cmath>
#include <cstdint>

namespace detection {

namespace {

constexpr double kHalfTurn = 3.1415925;
constexpr double kQuarterTurn = 1.5707963;
constexpr double kThreeQuarterTurn = 4.712389;
constexpr double kFullTurn = 6.283185;

double polarAngle(cv::Point p, int cx, int cy)
{
    // Divisions in floating point: with integers every corner nearer the
    // horizontal than 45 degrees would land on angle 0 or pi.
    const double dx = p.x - cx;
    const double dy = p.y - cy;
    if (p.x == cx)
        return p.y <= cy ? kQuarterTurn : kThreeQuarterTurn;
    if (p.x > cx)
        return p.y < cy ? std::atan(-dy / dx) : kFullTurn - std::atan(dy / dx);
    return p.y < cy ? kHalfTurn - std::atan(dy / dx) : std::atan(-dy / dx) + kHalfTurn;
}

} // namespace

void orderCounterClockwise(std::array<cv::Point, 4> &corners)
{
    int64_t sumX = 0;
    int64_t sumY = 0;
    for (const cv::Point &p : corners) {
        sumX += p.x;
        sumY += p.y;
    }
    const int cx = static_cast<int>(sumX / 4);
    const int cy = static_cast<int>(sumY / 4);
    std::array<double, 4> angles;
    for (int i = 0; i < 4; ++i)
        angles[i] = polarAngle(corners[i], cx, cy);
    // Selection sort: a later corner must be strictly smaller to move ahead.
    for (int i = 0; i < 4; ++i) {
        int smallest = i;
        for (int j = i + 1; j < 4; ++j)
            if (angles[j] < angles[smallest])
                smallest = j;
        std::swap(angles[i], angles[smallest]);
        std::swap(corners[i], corners[smallest]);
    }
}

bool cornersApart(const std::array<cv::Point, 4> &corners, int minDistance)
{
    const int64_t limit = static_cast<int64_t>(minDistance) * minDistance;
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            const int64_t dx = corners[i].x - corners[j].x;
            const int64_t dy = corners[i].y - corners[j].y;
            if (dx * dx + dy * dy < limit)
                return false;
        }
    }
    return true;
}

} // namespace detection
