// The tilt angle reported with each frame, from the camera's orientation
// word: the sentinel words, the direct-angle form and the three-component
// form with its quadrant folding and hysteresis.

#include "stream/tilt_angle.h"

#include <gtest/gtest.h>

namespace {

uint32_t components(uint32_t x, uint32_t y, uint32_t z) { return (x << 20) | (y << 10) | z; }

constexpr float kTolerance = 1e-4f;

TEST(TiltAngleTest, SentinelWordsMeanNoSensor)
{
    qv::TiltAngle tilt;
    EXPECT_EQ(tilt.update(0), -1.0f);
    EXPECT_EQ(tilt.update(0x10001), -1.0f);
}

TEST(TiltAngleTest, DirectAngleInThousandthsOfADegree)
{
    qv::TiltAngle tilt;
    EXPECT_NEAR(tilt.update(0x80000000u + 90000), 1.5707963f, kTolerance);
    EXPECT_NEAR(tilt.update(0x80000000u + 45000), 0.7853982f, kTolerance);
    EXPECT_NEAR(tilt.update(0x80000000u + 500), 0.0087266f, kTolerance); // not cut to whole degrees
    // Bits 30 and 31 are flags, not part of the angle.
    EXPECT_NEAR(tilt.update(0xC0000000u + 180000), 3.1415926f, kTolerance);
}

TEST(TiltAngleTest, ComponentQuadrants)
{
    {
        qv::TiltAngle tilt;
        EXPECT_NEAR(tilt.update(components(100, 100, 100)), 0.7853982f, kTolerance);
    }
    {
        qv::TiltAngle tilt; // z past 512: second quadrant
        EXPECT_NEAR(tilt.update(components(100, 100, 924)), 2.3561945f, kTolerance);
    }
    {
        qv::TiltAngle tilt; // y past 512: mirrored
        EXPECT_NEAR(tilt.update(components(100, 924, 100)), 5.4977871f, kTolerance);
    }
    {
        qv::TiltAngle tilt; // both
        EXPECT_NEAR(tilt.update(components(100, 924, 924)), 3.9269908f, kTolerance);
    }
}

TEST(TiltAngleTest, SmallChangesAreHeldBack)
{
    qv::TiltAngle tilt;
    float first = tilt.update(components(100, 100, 100));
    // atan(1.01) differs by 0.005: below the 0.009 step for a large x.
    EXPECT_EQ(tilt.update(components(100, 101, 100)), first);
    // atan(1.05) differs by 0.024: enough.
    EXPECT_NEAR(tilt.update(components(100, 105, 100)), 0.8097835f, kTolerance);
}

TEST(TiltAngleTest, NearlyLevelCameraNeedsALargerChange)
{
    qv::TiltAngle tilt;
    float first = tilt.update(components(10, 100, 100));
    EXPECT_NEAR(first, 0.7853982f, kTolerance);
    // 0.024 is below the 0.04 step that applies while x is below 28.
    EXPECT_EQ(tilt.update(components(10, 105, 100)), first);
    EXPECT_NEAR(tilt.update(components(10, 110, 100)), 0.8329813f, kTolerance);
}

TEST(TiltAngleTest, FoldedXAboveFiveTwelveCountsAsSmall)
{
    qv::TiltAngle tilt;
    float first = tilt.update(components(1020, 100, 100)); // folds to 4
    EXPECT_EQ(tilt.update(components(1020, 105, 100)), first);
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
