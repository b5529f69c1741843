// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/barcode_reader.h"

#include "imaging/barcode/code_regions.h"
#include "imaging/barcode/enlarged_picture.h"
#include "imaging/barcode/zbar_scan.h"

#include <opencv2/core/mat.hpp>
#include <zbar.h>

#include <algorithm>
#include <cstddef>
#include <system_error>
#include <thread>

namespace barcode {

namespace {

// Codes read in both bands (in the overlap) are reported once, in the
// order of the upper band first.
void appendNew(std::vector<DecodedCode> &codes, const std::vector<DecodedCode> &more)
{
    for (const DecodedCode &code : more) {
        const bool known = std::any_of(codes.begin(), codes.end(), [&](const DecodedCode &c) {
            return c.text == code.text && c.symbology == code.symbology;
        });
        if (!known)
            codes.push_back(code);
    }
}

// Each region enlarged and scanned on its own, the codes of all in turn.
std::vector<DecodedCode> scanRegions(zbar::ImageScanner &scanner, const cv::Mat &packed,
                                     const std::vector<cv::Rect> &regions, double scale)
{
    std::vector<DecodedCode> codes;
    for (const cv::Rect &region : regions)
        appendNew(codes, scanPicture(scanner, enlargedPicture(packed(region), scale)));
    return codes;
}

} // namespace

BarcodeReader::BarcodeReader(const ScanPlan &plan)
    : plan_(plan), scanner_(makeScanner()), helperScanner_(makeScanner())
{
}

BarcodeReader::~BarcodeReader() = default;

std::vector<DecodedCode> BarcodeReader::read(const unsigned char *grey, int width, int height,
                                             long long stride)
{
    if (!grey || width <= 0 || height <= 0 || stride < width)
        return {};
    if (static_cast<long long>(width) * height > kMaxPixels)
        return {};
    const cv::Mat view(height, width, CV_8UC1, const_cast<unsigned char *>(grey),
                       static_cast<std::size_t>(stride));
    return read(view);
}

std::vector<DecodedCode> BarcodeReader::read(const cv::Mat &grey)
{
    if (grey.type() != CV_8UC1 || grey.dims != 2 || grey.empty())
        return {};
    if (static_cast<long long>(grey.cols) * grey.rows > kMaxPixels)
        return {};
    // ZBar wants rows packed at the picture's width.
    const cv::Mat packed = grey.isContinuous() ? grey : grey.clone();
    std::vector<DecodedCode> codes = scanPicture(*scanner_, packed);
    if (!codes.empty() || plan_.secondScale <= 0)
        return codes;
    const double enlargedPixels = plan_.secondScale * plan_.secondScale * packed.cols * packed.rows;
    if (enlargedPixels > static_cast<double>(kMaxEnlargedPixels))
        return codes;
    return scanEnlarged(packed);
}

std::vector<DecodedCode> BarcodeReader::scanEnlarged(const cv::Mat &packed)
{
    if (plan_.wholePicture)
        return scanEnlargedWhole(packed);
    const std::vector<cv::Rect> regions = codeRegions(packed);
    if (regions.empty())
        return {};
    // Largest first, each to the thread with less area so far.
    std::vector<cv::Rect> mine, helpers;
    long long mineArea = 0, helpersArea = 0;
    for (const cv::Rect &region : regions) {
        const bool toHelper = plan_.twoThreads && helpersArea < mineArea;
        (toHelper ? helpers : mine).push_back(region);
        (toHelper ? helpersArea : mineArea) += region.area();
    }
    if (helpers.empty())
        return scanRegions(*scanner_, packed, mine, plan_.secondScale);
    std::vector<DecodedCode> helperCodes;
    std::thread helper;
    try {
        helper = std::thread([this, &packed, &helpers, &helperCodes] {
            helperCodes = scanRegions(*helperScanner_, packed, helpers, plan_.secondScale);
        });
    } catch (const std::system_error &) {
        mine.insert(mine.end(), helpers.begin(), helpers.end());
        return scanRegions(*scanner_, packed, mine, plan_.secondScale);
    }
    std::vector<DecodedCode> codes = scanRegions(*scanner_, packed, mine, plan_.secondScale);
    helper.join();
    appendNew(codes, helperCodes);
    return codes;
}

std::vector<DecodedCode> BarcodeReader::scanEnlargedWhole(const cv::Mat &packed)
{
    const cv::Mat enlarged = enlargedPicture(packed, plan_.secondScale);
    const int rows = enlarged.rows;
    if (!plan_.twoThreads || rows < 96)
        return scanPicture(*scanner_, enlarged);

    // Two bands of two thirds of the height each, so that any code up to a
    // third of the picture high lies whole in one of them (larger ones were
    // big enough for the first scan); row ranges of a continuous picture
    // are continuous themselves.
    const int bandRows = (rows * 2 + 2) / 3;
    const cv::Mat upper = enlarged.rowRange(0, bandRows);
    const cv::Mat lower = enlarged.rowRange(rows - bandRows, rows);
    std::vector<DecodedCode> lowerCodes;
    std::thread helper;
    try {
        helper = std::thread([this, &lower, &lowerCodes] { lowerCodes = scanPicture(*helperScanner_, lower); });
    } catch (const std::system_error &) {
        // No thread to be had: the whole picture on this one.
        return scanPicture(*scanner_, enlarged);
    }
    std::vector<DecodedCode> codes = scanPicture(*scanner_, upper);
    helper.join();
    appendNew(codes, lowerCodes);
    return codes;
}

} // namespace barcode
