// SPDX-License-Identifier: GPL-3.0-or-later

// The detector end to end on rendered desks: what it finds, how it reports
// the tilt and the corners, and what it refuses.

#include "sheet_picture.h"

#include "imaging/detection/document_detector.h"
#include "imaging/detection/gray_conversion.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace {

int detect(const cv::Mat &picture, DocumentOutline *outline)
{
    return DocumentDetector().detectDocument(grayFromBgr(picture), outline);
}

// Each found corner lies within tolerance of the true corner at the same
// place in the expected order.
void expectCorners(const DocumentOutline &outline, const std::array<cv::Point2f, 4> &expected,
                   double tolerance)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_LE(cv::norm(cv::Point2f(outline.corners[i]) - expected[i]), tolerance)
            << "corner " << i << " at " << outline.corners[i] << ", expected " << expected[i];
}

TEST(DocumentDetector, UprightSheetHasNoTiltAndCornersFromTopRightCounterClockwise)
{
    const SheetPicture sheet = renderSheet({});
    DocumentOutline outline;
    ASSERT_EQ(detect(sheet.picture, &outline), kDetectFound);
    EXPECT_NEAR(outline.angle, 0.0, 0.01);
    const auto &c = sheet.corners; // top-left, top-right, bottom-right, bottom-left
    expectCorners(outline, {c[1], c[0], c[3], c[2]}, 3.0);
    // Not turned: the straightened box is the corners' own box.
    EXPECT_NEAR(outline.left, c[0].x, 3);
    EXPECT_NEAR(outline.top, c[0].y, 3);
    EXPECT_NEAR(outline.right, c[2].x, 3);
    EXPECT_NEAR(outline.bottom, c[2].y, 3);
}

TEST(DocumentDetector, TurnedSheetsReportTheirTiltWithTheSign)
{
    for (double degrees : {30.0, -30.0, 12.0, -44.0}) {
        SheetPlacement placement;
        placement.degrees = degrees;
        const SheetPicture sheet = renderSheet(placement);
        DocumentOutline outline;
        ASSERT_EQ(detect(sheet.picture, &outline), kDetectFound) << degrees;
        EXPECT_NEAR(outline.angle, degrees * CV_PI / 180.0, 0.02) << degrees;
        // Top-right first, then counter-clockwise on screen.
        const auto &c = sheet.corners;
        expectCorners(outline, {c[1], c[0], c[3], c[2]}, 4.0);
        // The straightened box holds the unturned sheet: 400 x 560.
        EXPECT_NEAR(outline.right - outline.left, 400, 6) << degrees;
        EXPECT_NEAR(outline.bottom - outline.top, 560, 6) << degrees;
    }
}

TEST(DocumentDetector, TiltBeyondFortyFiveDegreesIsFoldedByAQuarterTurn)
{
    // Long edges at 60 degrees: the short edges, at -30, are the pair
    // nearest to horizontal.
    SheetPlacement placement;
    placement.sheet = cv::Size(560, 400);
    placement.degrees = 60;
    DocumentOutline outline;
    ASSERT_EQ(detect(renderSheet(placement).picture, &outline), kDetectFound);
    EXPECT_NEAR(outline.angle, -30 * CV_PI / 180.0, 0.02);
    // Straightened, the long edges stand upright.
    EXPECT_NEAR(outline.right - outline.left, 400, 6);
    EXPECT_NEAR(outline.bottom - outline.top, 560, 6);
}

TEST(DocumentDetector, SquareSheetGivesTheTiltOfItsEdges)
{
    // Equal edges: the "longer" edge at two corners may be perpendicular
    // ones; the tilt must still be one of the sheet's edges.
    for (double degrees : {30.0, -20.0, 40.0}) {
        SheetPlacement placement;
        placement.sheet = cv::Size(420, 420);
        placement.degrees = degrees;
        DocumentOutline outline;
        ASSERT_EQ(detect(renderSheet(placement).picture, &outline), kDetectFound);
        EXPECT_NEAR(outline.angle, degrees * CV_PI / 180.0, 0.02) << degrees;
    }
}

TEST(DocumentDetector, LargeFramesAreMeasuredAtFullSize)
{
    // 1920x1080 is searched at half size and 3840x2880 at a quarter; the
    // corners come back in the frame's own pixels.
    for (cv::Size frame : {cv::Size(1920, 1080), cv::Size(3840, 2880)}) {
        SheetPlacement placement;
        placement.frame = frame;
        placement.sheet = cv::Size(frame.height / 2, frame.height * 7 / 10);
        placement.centre = cv::Point2f(frame.width / 2.0f, frame.height / 2.0f);
        placement.degrees = -15;
        const SheetPicture sheet = renderSheet(placement);
        DocumentOutline outline;
        ASSERT_EQ(detect(sheet.picture, &outline), kDetectFound) << frame;
        const double tolerance = frame.width > 2048 ? 12.0 : 6.0;
        const auto &c = sheet.corners;
        expectCorners(outline, {c[1], c[0], c[3], c[2]}, tolerance);
    }
}

TEST(DocumentDetector, SheetWithCornersCloserThan128PixelsIsRefused)
{
    // Measured in the full frame: 1920x1080 is searched at half size, where
    // a 140-pixel edge is only 70 pixels long.
    for (cv::Size frame : {cv::Size(1280, 720), cv::Size(1920, 1080)}) {
        SheetPlacement placement;
        placement.frame = frame;
        placement.centre = cv::Point2f(frame.width / 2.0f, frame.height / 2.0f);
        placement.sheet = cv::Size(115, 300);
        DocumentOutline outline;
        EXPECT_EQ(detect(renderSheet(placement).picture, &outline), kDetectNoSheet) << frame;
        placement.sheet = cv::Size(140, 300);
        EXPECT_EQ(detect(renderSheet(placement).picture, &outline), kDetectFound) << frame;
    }
}

TEST(DocumentDetector, DarkFramesFindNothing)
{
    DocumentOutline outline;
    outline.angle = 0.25f;
    // Lens covered: noise between 0 and 20 (Otsu's threshold lands at 1..14).
    cv::Mat dark(720, 1280, CV_8UC1);
    cv::RNG(3).fill(dark, cv::RNG::UNIFORM, 0, 21);
    EXPECT_EQ(DocumentDetector().detectDocument(dark, &outline), kDetectNoSheet);
    // Black: nothing brighter than the threshold.
    EXPECT_EQ(DocumentDetector().detectDocument(cv::Mat::zeros(720, 1280, CV_8UC1), &outline),
              kDetectNoSheet);
    // A failure leaves the caller's outline alone.
    EXPECT_EQ(outline.angle, 0.25f);
}

TEST(DocumentDetector, PictureOfOneGreyLevelHasNoSheet)
{
    // A blank wall or a sheet covering the whole view: no contrast, no
    // outline (not the middle of the picture).
    DocumentOutline outline;
    for (int level : {8, 128, 255})
        EXPECT_EQ(DocumentDetector().detectDocument(cv::Mat(720, 1280, CV_8UC1, cv::Scalar(level)),
                                                    &outline),
                  kDetectNoSheet)
            << level;
}

TEST(DocumentDetector, BrightnessOnlyOutsideTheSearchWindowFindsNothing)
{
    // A bright strip along the left edge lies outside the window between the
    // darkest bands.
    cv::Mat picture = cv::Mat::zeros(480, 640, CV_8UC1);
    picture.colRange(0, 4).setTo(220);
    DocumentOutline outline;
    EXPECT_EQ(DocumentDetector().detectDocument(picture, &outline), kDetectNoSheet);
}

TEST(DocumentDetector, ScatteredBrightDotsGiveNoSeed)
{
    // Bright pixels, but none with four bright neighbours on the cross.
    cv::Mat picture = cv::Mat::zeros(480, 640, CV_8UC1);
    for (int y = 0; y < picture.rows; y += 3)
        for (int x = 0; x < picture.cols; x += 3)
            picture.at<uchar>(y, x) = 200;
    DocumentOutline outline;
    EXPECT_EQ(DocumentDetector().detectDocument(picture, &outline), kDetectNoSeed);
}

TEST(DocumentDetector, RefusesWhatIsNotAnEightBitGreyOrColourPicture)
{
    const DocumentDetector detector;
    DocumentOutline outline;
    EXPECT_EQ(detector.detectDocument(cv::Mat(), &outline), kDetectBadInput);
    EXPECT_EQ(detector.detectDocument(cv::Mat(100, 100, CV_8UC4, cv::Scalar::all(200)), &outline),
              kDetectBadInput);
    EXPECT_EQ(detector.detectDocument(cv::Mat(100, 100, CV_8UC2, cv::Scalar::all(200)), &outline),
              kDetectBadInput);
    EXPECT_EQ(detector.detectDocument(cv::Mat(100, 100, CV_16UC1, cv::Scalar(200)), &outline),
              kDetectBadInput);
    EXPECT_EQ(detector.detectDocument(cv::Mat(100, 100, CV_8UC1, cv::Scalar(200)), nullptr),
              kDetectBadInput);
}

TEST(DocumentDetector, ColourInputUsesTheBrightestChannel)
{
    // A sheet that is bright only in red still stands out from a dark desk.
    SheetPlacement placement;
    placement.desk = cv::Scalar(40, 40, 40);
    SheetPicture sheet = renderSheet(placement);
    cv::Mat channels[3];
    cv::split(sheet.picture, channels);
    channels[0] = channels[0] / 4; // blue
    channels[1] = channels[1] / 4; // green
    cv::Mat reddish;
    cv::merge(channels, 3, reddish);
    DocumentOutline outline;
    EXPECT_EQ(DocumentDetector().detectDocument(reddish, &outline), kDetectFound);
}

TEST(DocumentDetector, PictureInsideALargerBufferIsReadAtItsRowStep)
{
    // A cut-out of a wider picture: rows are further apart than the width.
    SheetPlacement placement;
    placement.frame = cv::Size(1283, 720);
    const cv::Mat gray = grayFromBgr(renderSheet(placement).picture);
    cv::Mat wide(720, 1500, CV_8UC1, cv::Scalar(255));
    gray.copyTo(wide(cv::Rect(0, 0, gray.cols, gray.rows)));
    DocumentOutline inside, alone;
    ASSERT_EQ(DocumentDetector().detectDocument(wide(cv::Rect(0, 0, gray.cols, gray.rows)), &inside),
              kDetectFound);
    ASSERT_EQ(DocumentDetector().detectDocument(gray, &alone), kDetectFound);
    EXPECT_EQ(inside.corners, alone.corners);
}

TEST(DocumentDetector, AnySizeOfPictureIsHandledWithoutFault)
{
    // Thin strips reduce to nothing, tiny pictures have no band, seed or
    // boundary run: every call returns a result (run under AddressSanitizer).
    const cv::Size sizes[] = {{1, 1},     {2, 2},     {3, 3},    {4, 4},     {5, 5},
                              {9, 9},     {1, 10000}, {10000, 1}, {3, 2100}, {2100, 3},
                              {7, 1000},  {1601, 4},  {16, 16},  {300, 4}};
    const DocumentDetector detector;
    for (const cv::Size &size : sizes) {
        for (int channels : {1, 3}) {
            cv::Mat picture(size, CV_8UC(channels));
            cv::RNG(size.area()).fill(picture, cv::RNG::UNIFORM, 0, 256);
            DocumentOutline outline;
            const int result = detector.detectDocument(picture, &outline);
            EXPECT_TRUE(result == kDetectNoSheet || result == kDetectNoSeed || result == kDetectFound)
                << size << " x" << channels << ": " << result;
            // A bright square in the middle of a dark picture of this size.
            picture.setTo(cv::Scalar::all(20));
            cv::rectangle(picture, cv::Rect(size.width / 4, size.height / 4, size.width / 2 + 1,
                                            size.height / 2 + 1),
                          cv::Scalar::all(230), cv::FILLED);
            const int square = detector.detectDocument(picture, &outline);
            EXPECT_TRUE(square == kDetectNoSheet || square == kDetectNoSeed || square == kDetectFound)
                << size << " x" << channels << ": " << square;
        }
    }
}

} // namespace
