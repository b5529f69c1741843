// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/barcode_reader.h"
#include "imaging/barcode/code_regions.h"

#include "camera_scene.h"
#include "code_drawing.h"
#include "linear_codes.h"

#include <gtest/gtest.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <string>
#include <vector>

using barcode::BarcodeReader;
using benchcodes::CodeDrawing;

namespace {

// A page of text as the camera sees it, without JPEG (see
// barcode_reader_test.cpp).
cv::Mat textPage(std::uint64_t seed, bool stripes = false)
{
    benchcodes::SceneLook look;
    look.jpegQuality = 0;
    look.stripes = stripes;
    cv::Mat scene;
    benchcodes::renderScene(seed, {}, look, &scene);
    return scene;
}

// Where small codes are easiest to cut: the picture's corners and edges,
// and off the tile grid in the middle.
std::vector<cv::Point> awkwardPlaces(const cv::Mat &page, const cv::Mat &patch)
{
    const int right = page.cols - patch.cols, bottom = page.rows - patch.rows;
    return {{0, 0}, {right, bottom}, {right, 0}, {0, bottom / 2}, {right / 2 + barcode::kTileSize / 2, 3},
            {page.cols / 2 + 7, page.rows / 2 + 9}};
}

bool coveredWhole(const std::vector<cv::Rect> &regions, const cv::Rect &code)
{
    return std::any_of(regions.begin(), regions.end(),
                       [&](const cv::Rect &r) { return (r & code) == code; });
}

bool disjointInside(const std::vector<cv::Rect> &regions, const cv::Size &size)
{
    for (std::size_t i = 0; i < regions.size(); ++i) {
        if ((regions[i] & cv::Rect(cv::Point(), size)) != regions[i] || regions[i].empty())
            return false;
        for (std::size_t j = i + 1; j < regions.size(); ++j)
            if ((regions[i] & regions[j]).area() > 0)
                return false;
    }
    return true;
}

} // namespace

TEST(CodeRegions, SmallCodesLieWholeInOneRegionWhereverTheyAre)
{
    // A code cut by a region's edge is lost to the second scan, or worse,
    // read in part.
    const std::vector<CodeDrawing> codes = {
        benchcodes::drawQr("https://corvane.example/region", -1, "", 2.4),
        benchcodes::drawLinear(benchcodes::ean13("590123412345"), 1.8, 45),
        benchcodes::drawLinear(benchcodes::code128("Corvane-2026/Doc#17"), 1.7, 30),
    };
    const cv::Mat page = textPage(7);
    for (const CodeDrawing &code : codes) {
        for (const cv::Point &at : awkwardPlaces(page, code.patch)) {
            cv::Mat picture = page.clone();
            const cv::Rect where(at, code.patch.size());
            code.patch.copyTo(picture(where));
            cv::GaussianBlur(picture, picture, cv::Size(), 0.8);
            const std::vector<cv::Rect> regions = barcode::codeRegions(picture);
            EXPECT_TRUE(coveredWhole(regions, where)) << code.symbology << " at " << at;
            EXPECT_TRUE(disjointInside(regions, picture.size())) << code.symbology << " at " << at;
        }
    }
}

TEST(CodeRegions, PagesWithoutCodesGiveLittleOrNothingToScanAgain)
{
    EXPECT_TRUE(barcode::codeRegions(cv::Mat(1080, 1920, CV_8UC1, cv::Scalar(200))).empty());
    EXPECT_TRUE(barcode::codeRegions(cv::Mat()).empty());
    EXPECT_TRUE(barcode::codeRegions(cv::Mat(100, 100, CV_8UC3, cv::Scalar::all(0))).empty());
    // Lines of text and the sheet's edges are not codes: if they were, a
    // page of text would cost a second scan of nearly all of it.
    for (std::uint64_t seed : {3, 4, 5}) {
        const cv::Mat page = textPage(seed);
        long long area = 0;
        for (const cv::Rect &r : barcode::codeRegions(page))
            area += r.area();
        EXPECT_LT(area, static_cast<long long>(page.total()) / 4) << "seed " << seed;
    }
}

TEST(CodeRegions, SmallBlurredCodeInACornerIsReadOnceBySecondScan)
{
    cv::Mat picture = textPage(11, true);
    const CodeDrawing qr = benchcodes::drawQr("https://corvane.example/corner", -1, "", 2.6);
    const cv::Point corner(picture.cols - qr.patch.cols, picture.rows - qr.patch.rows);
    qr.patch.copyTo(picture(cv::Rect(corner, qr.patch.size())));
    cv::GaussianBlur(picture, picture, cv::Size(), 0.9);
    barcode::ScanPlan oneScale;
    oneScale.secondScale = 0;
    ASSERT_TRUE(BarcodeReader(oneScale).read(picture).empty()) << "readable without enlarging";
    BarcodeReader reader;
    const std::vector<barcode::DecodedCode> codes = reader.read(picture);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].text, "https://corvane.example/corner");
}
