// SPDX-License-Identifier: GPL-3.0-or-later

// The cut-outs of a found sheet: size, content and the way up.

#include "sheet_picture.h"

#include "imaging/detection/document_deskew.h"
#include "imaging/detection/document_detector.h"
#include "imaging/detection/gray_conversion.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

namespace {

DocumentOutline found(const SheetPicture &sheet)
{
    DocumentOutline outline;
    EXPECT_EQ(DocumentDetector().detectDocument(grayFromBgr(sheet.picture), &outline), kDetectFound);
    return outline;
}

// How well a cut-out, brought to the sheet's size, matches the print of
// the same sheet rendered upright (best normalised correlation of the print
// area): near 1 for the right way up, low for a turned one.
double matchWithUprightPrint(const cv::Mat &cut)
{
    const cv::Mat upright = grayFromBgr(renderSheet({}).picture);
    const cv::Mat print = upright(cv::Rect(500, 180, 280, 300)); // inside the sheet at 440,80 400x560
    cv::Mat sized, scores;
    cv::resize(grayFromBgr(cut), sized, cv::Size(400, 560), 0, 0, cv::INTER_AREA);
    cv::matchTemplate(sized, print, scores, cv::TM_CCOEFF_NORMED);
    double best = 0;
    cv::minMaxLoc(scores, nullptr, &best);
    return best;
}

cv::Mat inner(const cv::Mat &picture, int margin)
{
    return picture(cv::Rect(margin, margin, picture.cols - 2 * margin, picture.rows - 2 * margin));
}

TEST(DocumentDeskew, StraightenedCutOutIsTheUpturnedSheetWithItsBox)
{
    SheetPlacement placement;
    placement.degrees = 30;
    const SheetPicture sheet = renderSheet(placement);
    const DocumentOutline outline = found(sheet);
    const cv::Mat cut = straightenedCutOut(sheet.picture, outline);
    EXPECT_EQ(cut.size(), cv::Size(outline.right - outline.left, outline.bottom - outline.top));
    EXPECT_EQ(cut.type(), CV_8UC3);
    // Paper throughout (a few pixels in from the edges), print along rows.
    EXPECT_GT(cv::mean(grayFromBgr(inner(cut, 8)))[0], 200);
    EXPECT_GT(matchWithUprightPrint(cut), 0.8);
    // The same measure on the turned sheet as it lies.
    EXPECT_LT(matchWithUprightPrint(sheet.picture(cv::Rect(440, 80, 400, 560))), 0.4);
}

TEST(DocumentDeskew, FoldedTiltStandsTheLongEdgesUpright)
{
    SheetPlacement placement;
    placement.sheet = cv::Size(560, 400);
    placement.degrees = 60;
    const SheetPicture sheet = renderSheet(placement);
    const cv::Mat cut = straightenedCutOut(sheet.picture, found(sheet));
    EXPECT_GT(cut.rows, cut.cols);
}

TEST(DocumentDeskew, PerspectiveCutOutRectifiesASlantedSheet)
{
    // The true corners of a sheet seen at a slant (the detector itself
    // reports the rectangle around such a sheet).
    SheetPlacement placement;
    placement.degrees = -20;
    placement.slant = 0.12;
    const SheetPicture sheet = renderSheet(placement);
    DocumentOutline outline;
    outline.angle = float(-20 * CV_PI / 180);
    for (int i = 0; i < 4; ++i)
        outline.corners[i] = cv::Point(sheet.corners[(i + 1) % 4]);
    const cv::Mat cut = perspectiveCutOut(sheet.picture, outline);
    ASSERT_FALSE(cut.empty());
    // The sheet's size (the longer of each pair of edges), upright, paper
    // to its edges.
    EXPECT_NEAR(cut.cols, 400, 4);
    EXPECT_NEAR(cut.rows, 560 * 1.0, 8);
    EXPECT_GT(matchWithUprightPrint(cut), 0.8);
    EXPECT_GT(cv::mean(grayFromBgr(inner(cut, 4)))[0], 200);
}

TEST(DocumentDeskew, PerspectiveCutOutOfAFoundSheetStandsUpright)
{
    SheetPlacement placement;
    placement.degrees = -20;
    const SheetPicture sheet = renderSheet(placement);
    const cv::Mat cut = perspectiveCutOut(sheet.picture, found(sheet));
    EXPECT_NEAR(cut.cols, 400, 6);
    EXPECT_NEAR(cut.rows, 560, 6);
    EXPECT_GT(matchWithUprightPrint(cut), 0.8);
}

TEST(DocumentDeskew, KeepsTheFramesChannelsAndRefusesAnEmptyBox)
{
    const SheetPicture sheet = renderSheet({});
    const DocumentOutline outline = found(sheet);
    const cv::Mat gray = grayFromBgr(sheet.picture);
    EXPECT_EQ(straightenedCutOut(gray, outline).type(), CV_8UC1);
    cv::Mat bgra;
    cv::cvtColor(sheet.picture, bgra, cv::COLOR_BGR2BGRA);
    EXPECT_EQ(perspectiveCutOut(bgra, outline).type(), CV_8UC4);

    DocumentOutline flat = outline;
    flat.bottom = flat.top;
    EXPECT_TRUE(straightenedCutOut(sheet.picture, flat).empty());
    EXPECT_TRUE(straightenedCutOut(cv::Mat(), outline).empty());
    DocumentOutline point;
    EXPECT_TRUE(perspectiveCutOut(sheet.picture, point).empty());
}

} // namespace
