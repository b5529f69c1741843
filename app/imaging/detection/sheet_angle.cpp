// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/sheet_angle.h"

#include <cmath>
#include <cstdint>

namespace detection {

namespace {

constexpr float kEighthTurn = 0.7853981f;
constexpr float kQuarterTurn = 1.5707963f;

int64_t squaredLength(cv::Point a, cv::Point b)
{
    const int64_t dx = b.x - a.x;
    const int64_t dy = b.y - a.y;
    return dx * dx + dy * dy;
}

// Brings a slope into -pi/4..pi/4 by a quarter turn.
float fold(float angle)
{
    if (angle > kEighthTurn)
        return angle - kQuarterTurn;
    if (angle < -kEighthTurn)
        return angle + kQuarterTurn;
    return angle;
}

bool slope(cv::Point from, cv::Point to, float *angle)
{
    const int dx = to.x - from.x;
    if (dx == 0)
        return false;
    *angle = std::atan(static_cast<float>(to.y - from.y) / static_cast<float>(dx));
    return true;
}

} // namespace

float sheetAngle(const SheetQuad &q)
{
    float estimates[2];
    int count = 0;
    const bool first = squaredLength(q.p1, q.p2) < squaredLength(q.p0, q.p2)
                           ? slope(q.p0, q.p2, &estimates[count])
                           : slope(q.p1, q.p2, &estimates[count]);
    count += first ? 1 : 0;
    const bool second = squaredLength(q.p3, q.p0) < squaredLength(q.p2, q.p0)
                            ? slope(q.p2, q.p0, &estimates[count])
                            : slope(q.p3, q.p0, &estimates[count]);
    count += second ? 1 : 0;
    if (count == 0)
        return 0.0f;
    if (count == 1)
        return fold(estimates[0]);

    // Averaged modulo a quarter turn: on a square sheet the "longer" edges
    // at p2 and at p0 may be perpendicular ones (+30 and -60 degrees), whose
    // plain mean (-15) is no edge of the sheet at all. Folded first, the
    // two agree (+30, +30); two slopes either side of 45 degrees (44, -44
    // after folding) are brought next to each other before averaging.
    float a = fold(estimates[0]);
    float b = fold(estimates[1]);
    if (b - a > kEighthTurn)
        b -= kQuarterTurn;
    else if (a - b > kEighthTurn)
        b += kQuarterTurn;
    return fold((a + b) / 2.0f);
}

} // namespace detection
