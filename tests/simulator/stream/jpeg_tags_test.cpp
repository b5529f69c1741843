// SPDX-License-Identifier: GPL-3.0-or-later

// Frame tags, padding and the restart-segment splice on real JPEGs.

#include "scene/sim_scene_jpeg_splice.h"
#include "stream/sim_stream_jpeg_tags.h"

#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <random>

namespace {

std::vector<uint8_t> encode(const cv::Mat &m, int quality, bool restartPerRow)
{
    std::vector<int> params = {cv::IMWRITE_JPEG_QUALITY, quality};
    if (restartPerRow)
        params.insert(params.end(), {cv::IMWRITE_JPEG_RST_INTERVAL, (m.cols + 15) / 16});
    std::vector<uint8_t> out;
    cv::imencode(".jpg", m, out, params);
    return out;
}

cv::Mat gradient(int w, int h, int shift)
{
    cv::Mat m(h, w, CV_8UC3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m.at<cv::Vec3b>(y, x) = cv::Vec3b(static_cast<uint8_t>(x + shift),
                                              static_cast<uint8_t>(y), 128);
    return m;
}

TEST(FrameTag, RoundTripsAndStaysFirstAfterPadding)
{
    auto jpeg = camsim::withFrameTag(encode(gradient(64, 48, 0), 80, false), 4294967295u);
    uint32_t counter = 0;
    ASSERT_TRUE(camsim::readFrameTag(jpeg.data(), jpeg.size(), counter));
    EXPECT_EQ(counter, 4294967295u);

    camsim::padToSize(jpeg, 200000);
    EXPECT_GE(jpeg.size(), 200000u);
    EXPECT_LT(jpeg.size(), 200000u + 8);
    counter = 0;
    ASSERT_TRUE(camsim::readFrameTag(jpeg.data(), jpeg.size(), counter));
    EXPECT_EQ(counter, 4294967295u);
    const cv::Mat decoded = cv::imdecode(jpeg, cv::IMREAD_COLOR);
    EXPECT_EQ(decoded.cols, 64);
    EXPECT_EQ(decoded.rows, 48);
}

TEST(FrameTag, MalformedInputIsRejected)
{
    const auto good = camsim::withFrameTag({0xFF, 0xD8, 0xFF, 0xD9}, 12);
    uint32_t counter = 0;
    for (size_t cut = 0; cut < good.size() - 2; ++cut)
        EXPECT_FALSE(camsim::readFrameTag(good.data(), cut, counter)) << cut;
    auto letters = good;
    letters[6 + 13] = 'x';
    EXPECT_FALSE(camsim::readFrameTag(letters.data(), letters.size(), counter));
    const auto tooBig = camsim::withFrameTag({0xFF, 0xD8}, 0);
    std::vector<uint8_t> overflow(tooBig.begin(), tooBig.begin() + 6 + 13);
    for (char c : std::string("99999999999"))
        overflow.push_back(static_cast<uint8_t>(c));
    overflow[5] = static_cast<uint8_t>(2 + 13 + 11);
    EXPECT_FALSE(camsim::readFrameTag(overflow.data(), overflow.size(), counter));
    EXPECT_FALSE(camsim::readFrameTag(nullptr, 100, counter));
    // Not a JPEG: no tag is added.
    const std::vector<uint8_t> text = {'a', 'b'};
    EXPECT_EQ(camsim::withFrameTag(text, 1), text);
}

TEST(JpegSplice, TopRowsComeFromTheStripTheRestFromThePicture)
{
    const cv::Mat picture = gradient(320, 240, 0);
    cv::Mat strip(32, 320, CV_8UC3, cv::Scalar(0, 0, 255));
    const auto spliced = camsim::spliceTopSegments(encode(picture, 85, true),
                                                   encode(strip, 85, true), 2);
    ASSERT_FALSE(spliced.empty());
    const cv::Mat decoded = cv::imdecode(spliced, cv::IMREAD_COLOR);
    ASSERT_EQ(decoded.size(), picture.size());
    const cv::Mat expectTop = strip, expectRest = picture.rowRange(32, 240);
    EXPECT_LT(cv::norm(decoded.rowRange(0, 32), expectTop, cv::NORM_L1) / (32.0 * 320 * 3), 4.0);
    EXPECT_LT(cv::norm(decoded.rowRange(32, 240), expectRest, cv::NORM_L1) / (208.0 * 320 * 3), 4.0);
}

TEST(JpegSplice, RefusesMismatchedOrUnsuitablePictures)
{
    const auto picture = encode(gradient(320, 240, 0), 85, true);
    EXPECT_TRUE(camsim::spliceTopSegments(picture, encode(gradient(160, 32, 0), 85, true), 2).empty())
        << "different width";
    EXPECT_TRUE(camsim::spliceTopSegments(picture, encode(gradient(320, 32, 0), 85, false), 2).empty())
        << "no restart markers";
    EXPECT_TRUE(camsim::spliceTopSegments(picture, encode(gradient(320, 16, 0), 85, true), 2).empty())
        << "strip too short";
}

TEST(JpegSplice, LayoutParserSurvivesDamagedInput)
{
    const auto good = encode(gradient(96, 64, 3), 70, true);
    camsim::JpegLayout layout;
    ASSERT_TRUE(camsim::parseJpegLayout(good, layout));
    EXPECT_EQ(layout.segments.size(), 4u);
    EXPECT_EQ(layout.mcuHeight, 16);
    std::mt19937 r(11);
    for (int i = 0; i < 3000; ++i) {
        auto bad = good;
        bad.resize(r() % (good.size() + 1));
        for (int k = 0; k < 4 && !bad.empty(); ++k)
            bad[r() % bad.size()] = static_cast<uint8_t>(r());
        camsim::parseJpegLayout(bad, layout); // must not crash or read out of bounds
    }
}

} // namespace
