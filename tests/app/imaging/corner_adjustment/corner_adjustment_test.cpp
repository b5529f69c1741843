// SPDX-License-Identifier: GPL-3.0-or-later

// Corner adjustment: where corners start, how a drag is limited, and the
// cut-out the corners give.

#include "imaging/corner_adjustment/corner_adjustment.h"

#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>

namespace {

void expectNear(cv::Point2f actual, cv::Point2f expected, float tolerance = 0.01f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(CornerStart, InsetOfThePictureWithoutASheet)
{
    const CornerAdjustment a(cv::Size(1001, 501));
    expectNear(a.corners()[kTopLeft], {100, 50});
    expectNear(a.corners()[kTopRight], {900, 50});
    expectNear(a.corners()[kBottomRight], {900, 450});
    expectNear(a.corners()[kBottomLeft], {100, 450});
    EXPECT_TRUE(usableQuad(a.corners(), a.minEdge()));
}

TEST(CornerStart, FromTheFoundSheetScaledAndInHandleOrder)
{
    // The detector's order (counter-clockwise from the right) in a frame
    // twice the size of the picture shown.
    DocumentOutline found;
    found.corners = {cv::Point(1600, 200), cv::Point(400, 260), cv::Point(360, 1800),
                     cv::Point(1640, 1760)};
    CornerAdjustment a(cv::Size(1000, 1000));
    EXPECT_TRUE(a.startFrom(found, cv::Size(2000, 2000)));
    expectNear(a.corners()[kTopLeft], {200, 130});
    expectNear(a.corners()[kTopRight], {800, 100});
    expectNear(a.corners()[kBottomRight], {820, 880});
    expectNear(a.corners()[kBottomLeft], {180, 900});

    // Corners on one line are no sheet: the inset instead.
    found.corners = {cv::Point(0, 0), cv::Point(500, 500), cv::Point(1000, 1000),
                     cv::Point(1500, 1500)};
    EXPECT_FALSE(a.startFrom(found, cv::Size(2000, 2000)));
    expectNear(a.corners()[kTopLeft], {99.9f, 99.9f});
    EXPECT_FALSE(a.startFrom(found, cv::Size(0, 0)));
}

TEST(CornerDrag, StaysInsideThePicture)
{
    CornerAdjustment a(cv::Size(640, 480));
    expectNear(a.drag(kTopLeft, {-50, -3000}), {0, 0});
    expectNear(a.drag(kBottomRight, {9999, 9999}), {639, 479});
    expectNear(a.drag(kTopRight, {700, 200}), {639, 200});
    expectNear(a.drag(kBottomLeft, {std::nanf(""), 400}), {0, 400});
    EXPECT_EQ(a.drag(4, {1, 1}), cv::Point2f(-1, -1)) << "no such corner";
    for (const cv::Point2f &p : a.corners()) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 639);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 479);
    }
}

TEST(CornerDrag, NeverCrossesOrFoldsTheQuadrilateral)
{
    CornerAdjustment a(cv::Size(1000, 1000));
    // Top-left dragged across the opposite diagonal: it stops before the
    // line through its neighbours, short by at least the smallest edge.
    const cv::Point2f went = a.drag(kTopLeft, {950, 950});
    EXPECT_TRUE(usableQuad(a.corners(), a.minEdge()));
    EXPECT_LT(went.x + went.y, 1000 - a.minEdge());
    EXPECT_GT(went.x, 400) << "the corner follows the pointer as far as it can";
    EXPECT_NEAR(went.x, went.y, 0.5f) << "along the drag's line";

    // Onto a neighbour: stops an edge's length short.
    CornerAdjustment b(cv::Size(1000, 1000));
    const cv::Point2f stopped = b.drag(kTopRight, b.corners()[kTopLeft]);
    EXPECT_GE(cv::norm(stopped - b.corners()[kTopLeft]), b.minEdge() - 0.5);
    EXPECT_TRUE(usableQuad(b.corners(), b.minEdge()));

    // Any sequence of wild drags leaves a usable quadrilateral.
    cv::RNG rng(5);
    for (int i = 0; i < 500; ++i) {
        b.drag(rng.uniform(0, 4), {rng.uniform(-200.f, 1200.f), rng.uniform(-200.f, 1200.f)});
        ASSERT_TRUE(usableQuad(b.corners(), b.minEdge())) << "drag " << i;
    }
}

TEST(CornerDrag, FindsTheCornerUnderThePointer)
{
    const CornerAdjustment a(cv::Size(1001, 501));
    EXPECT_EQ(a.cornerAt({905, 455}, 20), kBottomRight);
    EXPECT_EQ(a.cornerAt({500, 250}, 20), -1);
    EXPECT_EQ(a.cornerAt({130, 50}, 20), -1);
    // Two corners in reach: the nearer one.
    CornerAdjustment b(cv::Size(100, 100));
    b.drag(kTopRight, {40, 10});
    EXPECT_EQ(b.cornerAt({36, 10}, 40), kTopRight);
    EXPECT_EQ(b.cornerAt({14, 10}, 40), kTopLeft);
}

TEST(CornerQuadShape, UsableMeansConvexClockwiseAndNotSquashed)
{
    const CornerQuad square = {cv::Point2f(0, 0), {100, 0}, {100, 100}, {0, 100}};
    EXPECT_TRUE(usableQuad(square, 10));
    EXPECT_FALSE(usableQuad({square[0], square[3], square[2], square[1]}, 10)) << "anticlockwise";
    EXPECT_FALSE(usableQuad({square[0], square[1], square[3], square[2]}, 10)) << "bow tie";
    EXPECT_FALSE(usableQuad({square[0], square[1], {50, 5}, square[3]}, 10)) << "dent";
    EXPECT_FALSE(usableQuad({square[0], square[1], {100, 100}, {95, 100}}, 10)) << "short edge";
    EXPECT_FALSE(usableQuad({square[0], square[1], square[2], {48, 52}}, 10)) << "nearly straight";
    EXPECT_TRUE(usableQuad({square[0], square[1], square[2], {5, 50}}, 10)) << "a triangle-ish kite";
    EXPECT_NEAR(quadAngle({cv::Point2f(0, 0), {100, 10}, {90, 110}, {-10, 100}}), std::atan(0.1), 1e-5);
    EXPECT_NEAR(quadAngle({cv::Point2f(0, 0), {50, 86.6025f}, {-36.6025f, 136.6025f}, {-86.6025f, 50}}),
                -M_PI / 6, 1e-5)
        << "edges at 60 degrees are folded into -45..45 degrees";
}

TEST(CornerCutOut, SizeFromTheLongerEdgesAndPixelsOfTheSheet)
{
    // A picture: grey desk with a white sheet and a black mark near the
    // sheet's top-left corner.
    cv::Mat picture(600, 800, CV_8UC3, cv::Scalar(80, 80, 80));
    const std::vector<cv::Point> sheet = {{200, 100}, {600, 120}, {590, 500}, {210, 480}};
    cv::fillConvexPoly(picture, sheet, cv::Scalar(255, 255, 255));
    cv::circle(picture, {240, 150}, 12, cv::Scalar(0, 0, 0), cv::FILLED);

    CornerAdjustment a(picture.size());
    for (int i = 0; i < 4; ++i)
        a.drag(i, sheet[static_cast<size_t>(i)]);
    // The longer of each pair of opposite edges.
    const int width = static_cast<int>(std::lround(std::max(cv::norm(sheet[0] - sheet[1]),
                                                            cv::norm(sheet[3] - sheet[2]))));
    const int height = static_cast<int>(std::lround(std::max(cv::norm(sheet[0] - sheet[3]),
                                                             cv::norm(sheet[1] - sheet[2]))));
    EXPECT_EQ(a.cutOutSize(picture.size()), cv::Size(width, height));
    const cv::Mat cut = a.cutOut(picture);
    ASSERT_EQ(cut.size(), cv::Size(width, height));
    // Nothing of the desk inside, and the mark stays at the top left.
    cv::Mat gray;
    cv::cvtColor(cut, gray, cv::COLOR_BGR2GRAY);
    const cv::Rect inner(4, 4, cut.cols - 8, cut.rows - 8);
    cv::Mat desk;
    cv::inRange(gray(inner), 60, 100, desk);
    EXPECT_LT(cv::countNonZero(desk), inner.area() / 200);
    EXPECT_LT(gray.at<uchar>(cv::Point(40, 40)), 60);
    EXPECT_GT(gray.at<uchar>(cv::Point(cut.cols - 40, cut.rows - 40)), 200);

    // From a picture twice the size the corners scale with it.
    cv::Mat large;
    cv::resize(picture, large, picture.size() * 2);
    EXPECT_NEAR(a.cutOutSize(large.size()).width, 2 * width, 2);
    EXPECT_NEAR(a.cutOut(large).rows, 2 * height, 2);
    EXPECT_TRUE(a.cutOut(cv::Mat()).empty());
}

} // namespace
