// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/tilt_angle.h"

#include <cmath>

namespace qv {

namespace {

constexpr float kPi = 3.1415926f;
constexpr float kTwoPi = 6.2831852f;

float fold(uint32_t component)
{
    return component >= 512 ? 1024.0f - static_cast<float>(component)
                            : static_cast<float>(component);
}

} // namespace

float TiltAngle::update(uint32_t word)
{
    if (word == 0 || word == 0x10001)
        return -1.0f;
    if (word & 0x80000000u)
        return static_cast<float>((word & 0x3FFFFFFFu) / 1000.0 / 180.0 * 3.1415926);

    const uint32_t x = word >> 20;
    const uint32_t y = (word >> 10) & 0x3FF;
    const uint32_t z = word & 0x3FF;
    const float fx = fold(x);
    const float fy = fold(y);
    const float fz = fold(z);

    float g = std::atan(fy / fz);
    if (z > 512)
        g = kPi - g;
    if (y > 512)
        g = kTwoPi - g;

    // Nearly level (small x) moves are noisier, so they need a larger change
    // before the angle follows.
    const float threshold = fx < 28.0f ? 0.04f : 0.009f;
    if (std::fabs(g - lastAngle_) > threshold)
        lastAngle_ = g;
    if (fz < 64.0f && fy < 64.0f)
        return 0.0f;
    return lastAngle_;
}

} // namespace qv
