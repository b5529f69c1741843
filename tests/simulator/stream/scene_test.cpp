// SPDX-License-Identifier: GPL-3.0-or-later

// The rendered scene: real JPEGs at the camera's size, a counter per frame.

#include "command/sim_camera_state.h"
#include "scene/sim_scene_frame_source.h"
#include "scene/sim_scene_qr.h"
#include "stream/sim_stream_jpeg_tags.h"

#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>

#include <algorithm>

namespace {

class SceneSource : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.setResolutions({{640, 480, 30}, {1280, 720, 30}, {320, 240, 30}});
        ASSERT_TRUE(state.selectResolution(640, 480));
    }
    camsim::SimCameraState state;
    camsim::SceneFrameSource source{state};
};

TEST_F(SceneSource, FramesDecodeAtTheCurrentSize)
{
    const auto frame = source.frame(1, 1000000);
    const cv::Mat picture = cv::imdecode(frame.jpeg, cv::IMREAD_COLOR);
    EXPECT_EQ(picture.cols, 640);
    EXPECT_EQ(picture.rows, 480);
    EXPECT_EQ(frame.width, 640);
    EXPECT_EQ(frame.height, 480);
    EXPECT_TRUE(source.lastFrameSpliced());
}

TEST_F(SceneSource, EveryFrameNamesItsCounterInTagAndPicture)
{
    source.prepare(1000000);
    // Frames 10 and 11 share a pose: only the display bar may differ.
    const auto a = source.frame(10, 1000000);
    const auto b = source.frame(11, 1000000);
    uint32_t counter = 0;
    ASSERT_TRUE(camsim::readFrameTag(a.jpeg.data(), a.jpeg.size(), counter));
    EXPECT_EQ(counter, 10u);
    ASSERT_TRUE(camsim::readFrameTag(b.jpeg.data(), b.jpeg.size(), counter));
    EXPECT_EQ(counter, 11u);
    const cv::Mat pa = cv::imdecode(a.jpeg, cv::IMREAD_COLOR);
    const cv::Mat pb = cv::imdecode(b.jpeg, cv::IMREAD_COLOR);
    const int band = 32;
    EXPECT_GT(cv::norm(pa.rowRange(0, band), pb.rowRange(0, band), cv::NORM_L1), 0.0);
    // The decoder blends chroma across the bar's lower edge, one row deep.
    EXPECT_EQ(cv::norm(pa.rowRange(band + 1, pa.rows), pb.rowRange(band + 1, pb.rows), cv::NORM_L1),
              0.0);
}

TEST_F(SceneSource, QualityDropsUntilFramesFitTheLimit)
{
    ASSERT_TRUE(state.selectResolution(1280, 720));
    source.prepare(2000000);
    size_t roomy = 0;
    for (uint32_t c = 0; c < 70; c += 3)
        roomy = std::max(roomy, source.frame(c, 2000000).jpeg.size());
    const int roomyQuality = source.quality();
    const size_t limit = roomy * 2 / 3;
    source.prepare(limit);
    for (uint32_t c = 0; c < 70; c += 3)
        EXPECT_LE(source.frame(c, limit).jpeg.size(), limit) << c;
    EXPECT_LT(source.quality(), roomyQuality);
}

TEST_F(SceneSource, ASizeChangeShowsTheNewSizeAtOnceAndFillsInTheMotion)
{
    source.prepare(1000000);
    ASSERT_TRUE(state.selectResolution(1280, 720));
    // Straight after the change, without waiting for the helper.
    const auto now = source.frame(40, 1000000);
    const cv::Mat picture = cv::imdecode(now.jpeg, cv::IMREAD_GRAYSCALE);
    EXPECT_EQ(picture.cols, 1280);
    EXPECT_EQ(picture.rows, 720);
    EXPECT_EQ(now.width, 1280);
    source.prepare(1000000);
    // The sheet moves over the loop of poses.
    const cv::Mat first = cv::imdecode(source.frame(0, 1000000).jpeg, cv::IMREAD_GRAYSCALE);
    const cv::Mat later = cv::imdecode(source.frame(40, 1000000).jpeg, cv::IMREAD_GRAYSCALE);
    const cv::Rect below(0, 64, first.cols, first.rows - 64);
    EXPECT_GT(cv::norm(first(below), later(below), cv::NORM_L1) / below.area(), 2.0);
}

TEST(SceneQr, CodeHasQuietZoneAndScales)
{
    const cv::Mat qr = camsim::renderQrCode("hello", 3);
    ASSERT_FALSE(qr.empty());
    EXPECT_EQ(qr.cols, qr.rows);
    EXPECT_EQ(qr.cols % 3, 0);
    EXPECT_EQ(cv::countNonZero(qr.rowRange(0, 12)), 12 * qr.cols) << "four white modules";
    EXPECT_LT(cv::countNonZero(qr), qr.total()) << "some black modules";
    EXPECT_TRUE(camsim::renderQrCode("x", 0).empty());
}

} // namespace
