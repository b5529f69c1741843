// SPDX-License-Identifier: GPL-3.0-or-later

// The tilt angle reported with each frame, from the camera's orientation
// word: the sentinel words, the direct-angle form and the three-component
// form with its quadrant folding and hysteresis.

#include "stream/tilt_angle.h"

#include <gtest/gtest.h>

namespace {

uint32_t components(uint32_t x, uint32_t y, uint32_t z) { return (x << 20) | (y << 10) | z; }

constexpr float kTolerance = 1e-4f;

TEST(TiltAngleTest, SentinelAndDirectAngleWords)
{
    qv::TiltAngle tilt;
    EXPECT_EQ(tilt.update(0), -1.0f);
    EXPECT_EQ(tilt.update(0x10001), -1.0f);
    // Thousandths of a degree, not cut to whole degrees; bits 30 and 31 are
    // flags, not part of the angle.
    EXPECT_NEAR(tilt.update(0x80000000u + 90000), 1.5707963f, kTolerance);
    EXPECT_NEAR(tilt.update(0x80000000u + 500), 0.0087266f, kTolerance);
    EXPECT_NEAR(tilt.update(0xC0000000u + 180000), 3.1415926f, kTolerance);
}

TEST(TiltAngleTest, ComponentQuadrants)
{
    // z past 512: second quadrant; y past 512: mirrored.
    const std::pair<uint32_t, float> cases[] = {{components(100, 100, 100), 0.7853982f},
                                                {components(100, 100, 924), 2.3561945f},
                                                {components(100, 924, 100), 5.4977871f},
                                                {components(100, 924, 924), 3.9269908f}};
    for (const auto &c : cases)
        EXPECT_NEAR(qv::TiltAngle().update(c.first), c.second, kTolerance) << std::hex << c.first;
}

TEST(TiltAngleTest, SmallChangesAreHeldBackMoreSoWhenNearlyLevel)
{
    qv::TiltAngle steep;
    const float first = steep.update(components(100, 100, 100));
    // atan(1.01) differs by 0.005: below the 0.009 step for a large x.
    EXPECT_EQ(steep.update(components(100, 101, 100)), first);
    // atan(1.05) differs by 0.024: enough.
    EXPECT_NEAR(steep.update(components(100, 105, 100)), 0.8097835f, kTolerance);

    // While x (folded: 1020 counts as 4) is below 28 the step is 0.04.
    for (uint32_t x : {10u, 1020u}) {
        qv::TiltAngle level;
        const float start = level.update(components(x, 100, 100));
        EXPECT_EQ(level.update(components(x, 105, 100)), start) << x;
        EXPECT_NEAR(level.update(components(x, 110, 100)), 0.8329813f, kTolerance) << x;
    }
}

TEST(TiltAngleTest, WeakGravityReportsZeroButStillTracks)
{
    qv::TiltAngle tilt;
    EXPECT_EQ(tilt.update(components(100, 50, 50)), 0.0f);
    // The hidden angle moved to 45 degrees; a strong reading at the same
    // angle reports it without needing a step.
    EXPECT_NEAR(tilt.update(components(100, 101, 100)), 0.7853982f, kTolerance);
}

} // namespace
