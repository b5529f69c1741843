// SPDX-License-Identifier: GPL-3.0-or-later

// The detector's steps where their rules are sharp: reduction, threshold,
// search window, corner order, tilt, corners, grey weights and the median.

#include "imaging/detection/corner_order.h"
#include "imaging/detection/detection_reduction.h"
#include "imaging/detection/gray_conversion.h"
#include "imaging/detection/median9.h"
#include "imaging/detection/otsu_threshold.h"
#include "imaging/detection/search_window.h"
#include "imaging/detection/sheet_angle.h"
#include "imaging/detection/sheet_corners.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <cmath>

using namespace detection;

TEST(DetectionReduction, FactorFollowsTheLongerSide)
{
    EXPECT_EQ(reductionFactor(1920, 1080), 2);
    EXPECT_EQ(reductionFactor(1600, 1200), 1);
    EXPECT_EQ(reductionFactor(1601, 100), 2);
    EXPECT_EQ(reductionFactor(100, 1601), 2);
    EXPECT_EQ(reductionFactor(2047, 2047), 2);
    EXPECT_EQ(reductionFactor(2048, 1536), 4);
    EXPECT_EQ(reductionFactor(1000, 2048), 4);
    EXPECT_EQ(reductionFactor(3840, 2880), 4);
}

TEST(DetectionReduction, ReducedPictureHasTheIntegerSizeAndTheBrightestChannel)
{
    cv::Mat colour(1081, 1921, CV_8UC3, cv::Scalar(10, 200, 90));
    const cv::Mat gray = reducedGray(colour, 2);
    EXPECT_EQ(gray.size(), cv::Size(960, 540));
    EXPECT_EQ(gray.type(), CV_8UC1);
    EXPECT_EQ(gray.at<uchar>(100, 100), 200);
    // Nothing left after reduction.
    EXPECT_TRUE(reducedGray(cv::Mat(10000, 1, CV_8UC1), 4).empty());
}

TEST(DetectionReduction, LocallyBrightPixelsAreLiftedToWhite)
{
    // A broad bright patch on a darker ground stands above its surroundings;
    // thin dark print inside it is smoothed away by the median first.
    cv::Mat gray(200, 200, CV_8UC1, cv::Scalar(80));
    gray(cv::Rect(60, 60, 80, 80)).setTo(150);
    gray(cv::Rect(70, 100, 60, 1)).setTo(30);
    liftLocalHighlights(gray);
    EXPECT_EQ(gray.at<uchar>(62, 62), 255);   // inside the patch near its edge
    EXPECT_EQ(gray.at<uchar>(100, 64), 255);  // by the print line
    EXPECT_EQ(gray.at<uchar>(20, 20), 80);    // flat ground stays
}

TEST(OtsuThreshold, SplitsTwoLevelsAndFindsNoneInOneLevel)
{
    cv::Mat gray(100, 100, CV_8UC1, cv::Scalar(40));
    gray(cv::Rect(0, 0, 50, 100)).setTo(200);
    const int t = otsuThreshold(gray);
    EXPECT_GE(t, 40);
    EXPECT_LT(t, 200);
    EXPECT_EQ(otsuThreshold(cv::Mat(10, 10, CV_8UC1, cv::Scalar(77))), kNoOtsuThreshold);
    // Three levels: the wider gap separates.
    cv::Mat three(90, 90, CV_8UC1, cv::Scalar(10));
    three(cv::Rect(0, 30, 90, 30)).setTo(20);
    three(cv::Rect(0, 60, 90, 30)).setTo(220);
    const int split = otsuThreshold(three);
    EXPECT_GE(split, 20);
    EXPECT_LT(split, 220);
}

TEST(SearchWindow, LiesBetweenTheDarkestBandsNearEachEdge)
{
    // Bright picture with dark desk bands 10..17 from the left, 20..27 from
    // the right, 5..12 from the top and 30..37 from the bottom.
    cv::Mat gray(400, 600, CV_8UC1, cv::Scalar(200));
    gray.colRange(10, 18).setTo(10);
    gray.colRange(600 - 28, 600 - 20).setTo(10);
    gray.rowRange(5, 13).setTo(10);
    gray.rowRange(400 - 38, 400 - 30).setTo(10);
    const SearchWindow w = findSearchWindow(gray);
    EXPECT_EQ(w.left, 10);
    EXPECT_EQ(w.right, 600 - 1 - 20);
    EXPECT_EQ(w.top, 5);
    EXPECT_EQ(w.bottom, 400 - 1 - 30);
}

TEST(SearchWindow, TiesGoInwardAndTinyPicturesGetAnEmptyWindow)
{
    const SearchWindow flat = findSearchWindow(cv::Mat(400, 600, CV_8UC1, cv::Scalar(50)));
    EXPECT_EQ(flat.left, 600 / 4 - 1);
    EXPECT_EQ(flat.right, 600 - 600 / 4);
    const SearchWindow tiny = findSearchWindow(cv::Mat(3, 3, CV_8UC1, cv::Scalar(50)));
    EXPECT_EQ(tiny.left, 0);
    EXPECT_EQ(tiny.right, 0);
    EXPECT_EQ(tiny.top, 0);
    EXPECT_EQ(tiny.bottom, 0);
}

TEST(CornerOrder, CounterClockwiseOnScreenFromTheRight)
{
    // Upright, given in any order.
    std::array<cv::Point, 4> upright = {cv::Point(100, 500), cv::Point(400, 100),
                                        cv::Point(100, 100), cv::Point(400, 500)};
    orderCounterClockwise(upright);
    EXPECT_EQ(upright, (std::array<cv::Point, 4>{cv::Point(400, 100), cv::Point(100, 100),
                                                 cv::Point(100, 500), cv::Point(400, 500)}));
    // A diamond: the right corner, level with the centre, counts as a full
    // turn and comes last; the bottom one lies slightly left of the centre.
    std::array<cv::Point, 4> diamond = {cv::Point(295, 500), cv::Point(100, 300),
                                        cv::Point(500, 300), cv::Point(300, 100)};
    orderCounterClockwise(diamond);
    EXPECT_EQ(diamond, (std::array<cv::Point, 4>{cv::Point(300, 100), cv::Point(100, 300),
                                                 cv::Point(295, 500), cv::Point(500, 300)}));
    // Shallow angles below-left and above-right must not collapse onto the
    // axes: a sheet turned by 10 degrees keeps its four quadrants.
    std::array<cv::Point, 4> shallow = {cv::Point(90, 420), cv::Point(500, 160),
                                        cv::Point(60, 200), cv::Point(530, 380)};
    orderCounterClockwise(shallow);
    EXPECT_EQ(shallow, (std::array<cv::Point, 4>{cv::Point(500, 160), cv::Point(60, 200),
                                                 cv::Point(90, 420), cv::Point(530, 380)}));
}

TEST(CornerOrder, EveryPairMustBeFarEnoughApart)
{
    const std::array<cv::Point, 4> square = {cv::Point(0, 0), cv::Point(128, 0),
                                             cv::Point(128, 128), cv::Point(0, 128)};
    EXPECT_TRUE(cornersApart(square, 128));
    const std::array<cv::Point, 4> narrow = {cv::Point(0, 0), cv::Point(127, 0),
                                             cv::Point(127, 400), cv::Point(0, 400)};
    EXPECT_FALSE(cornersApart(narrow, 128));
}

TEST(SheetAngle, FollowsTheLongerEdgesAndFoldsIntoAnEighthTurn)
{
    // Diagonals p0-p1 and p2-p3; outline p0, p2, p1, p3.
    auto quad = [](double degrees, double w, double h) {
        const double a = degrees * CV_PI / 180.0, c = std::cos(a), s = std::sin(a);
        auto at = [&](double x, double y) {
            return cv::Point(int(std::lround(500 + c * x - s * y)), int(std::lround(500 + s * x + c * y)));
        };
        return SheetQuad{at(-w / 2, -h / 2), at(w / 2, h / 2), at(w / 2, -h / 2), at(-w / 2, h / 2)};
    };
    EXPECT_NEAR(sheetAngle(quad(0, 400, 300)), 0.0, 0.01);
    EXPECT_NEAR(sheetAngle(quad(20, 400, 300)), 20 * CV_PI / 180, 0.01);
    EXPECT_NEAR(sheetAngle(quad(60, 400, 300)), -30 * CV_PI / 180, 0.01);
    EXPECT_NEAR(sheetAngle(quad(-60, 400, 300)), 30 * CV_PI / 180, 0.01);
    // Upright portrait: both longer edges are vertical and give no slope.
    EXPECT_EQ(sheetAngle(quad(0, 300, 400)), 0.0f);
    // Square: whatever edges are taken, the tilt is the square's.
    EXPECT_NEAR(sheetAngle(quad(30, 400, 400)), 30 * CV_PI / 180, 0.01);
    EXPECT_NEAR(sheetAngle(quad(-35, 400, 401)), -35 * CV_PI / 180, 0.01);
}

TEST(GrayConversion, UsesTheApplicationsWeights)
{
    const cv::Mat bgr(1, 1, CV_8UC3, cv::Scalar(10, 20, 30));
    EXPECT_EQ(grayFromBgr(bgr).at<uchar>(0, 0), (11 * 30 + 16 * 20 + 5 * 10) >> 5);
    EXPECT_EQ(grayFromRgb(bgr).at<uchar>(0, 0), (11 * 10 + 16 * 20 + 5 * 30) >> 5);
    const cv::Mat bgra(1, 1, CV_8UC4, cv::Scalar(255, 255, 255, 0));
    EXPECT_EQ(grayFromBgr(bgra).at<uchar>(0, 0), 255);
    EXPECT_EQ(grayFromBgr(cv::Mat(2, 2, CV_8UC1, cv::Scalar(9))).at<uchar>(1, 1), 9);
    EXPECT_TRUE(grayFromBgr(cv::Mat(2, 2, CV_16UC3)).empty());
}

TEST(Median9, EqualsOpenCvsMedianOnAnySizeAndBothVectorWidths)
{
    // Random sizes from a single pixel up, wide and narrow value ranges
    // (many ties), against cv::medianBlur with its replicated borders.
    cv::RNG rng(5);
    for (int round = 0; round < 120; ++round) {
        const cv::Size size(round % 9 == 0 ? rng.uniform(1, 4) : rng.uniform(1, 90),
                            round % 11 == 0 ? rng.uniform(1, 4) : rng.uniform(1, 70));
        cv::Mat gray(size, CV_8UC1);
        rng.fill(gray, cv::RNG::UNIFORM, 0, round % 3 == 0 ? 3 : 256);
        cv::Mat expected, wide, narrow;
        cv::medianBlur(gray, expected, 9);
        medianBlur9(gray, wide);
        medianBlur9Narrow(gray, narrow);
        ASSERT_EQ(cv::norm(expected, wide, cv::NORM_INF), 0) << size;
        ASSERT_EQ(cv::norm(expected, narrow, cv::NORM_INF), 0) << size;
    }
    // In place, and on a view into a larger picture.
    cv::Mat frame(300, 500, CV_8UC1);
    rng.fill(frame, cv::RNG::UNIFORM, 0, 256);
    const cv::Mat view = frame(cv::Rect(7, 5, 333, 201));
    cv::Mat expected, own = view.clone();
    cv::medianBlur(view, expected, 9);
    medianBlur9(own, own);
    EXPECT_EQ(cv::norm(expected, own, cv::NORM_INF), 0);
    cv::Mat fromView;
    medianBlur9(view, fromView);
    EXPECT_EQ(cv::norm(expected, fromView, cv::NORM_INF), 0);
}

TEST(SheetCorners, DegenerateBoundariesGiveNoCornersAndALineGivesNoNaN)
{
    SheetQuad quad;
    EXPECT_FALSE(extremeCorners({}, &quad));
    EXPECT_FALSE(extremeCorners({cv::Point(5, 5)}, &quad));
    EXPECT_FALSE(extremeCorners({cv::Point(5, 5), cv::Point(5, 5)}, &quad));
    // Every point on the diagonal: heights of zero (rounding may make
    // Heron's product negative), still a result (checked under UBSan).
    std::vector<cv::Point> line;
    for (int i = 0; i < 50; ++i)
        line.emplace_back(3 * i, 7 * i);
    ASSERT_TRUE(extremeCorners(line, &quad));
    EXPECT_EQ(quad.p0, cv::Point(0, 0));
    EXPECT_EQ(quad.p1, cv::Point(147, 343));
    // A triangle's apex is the point farthest from the diagonal.
    ASSERT_TRUE(extremeCorners({cv::Point(0, 0), cv::Point(40, 10), cv::Point(100, 0),
                                cv::Point(60, 5)},
                               &quad));
    EXPECT_EQ(quad.p2, cv::Point(40, 10));
}
