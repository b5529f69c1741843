// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/document_detector.h"

#include "imaging/detection/corner_order.h"
#include "imaging/detection/detection_reduction.h"
#include "imaging/detection/otsu_threshold.h"
#include "imaging/detection/search_window.h"
#include "imaging/detection/sheet_angle.h"
#include "imaging/detection/sheet_corners.h"
#include "imaging/detection/sheet_region.h"
#include "imaging/detection/straightening.h"

#include <opencv2/core.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

namespace {

// Otsu thresholds this low mean a dark picture (lens covered, lights off)
// whose "bright" part is noise.
constexpr int kDarkestUsefulThreshold = 14;

} // namespace

int DocumentDetector::detectDocument(const cv::Mat &image, DocumentOutline *outline) const
{
    if (!outline || image.empty() || image.dims != 2 || image.depth() != CV_8U
        || (image.channels() != 1 && image.channels() != 3))
        return kDetectBadInput;
    try {
        return detect(image, *outline);
    } catch (const std::bad_alloc &) {
        return kDetectOutOfMemory;
    } catch (const cv::Exception &error) {
        if (error.code == cv::Error::StsNoMem)
            return kDetectOutOfMemory;
        throw;
    }
}

int DocumentDetector::detect(const cv::Mat &image, DocumentOutline &outline) const
{
    const int factor = detection::reductionFactor(image.cols, image.rows);
    cv::Mat gray = detection::reducedGray(image, factor);
    if (gray.empty())
        return kDetectNoSheet;
    detection::liftLocalHighlights(gray);

    const detection::SearchWindow window = detection::findSearchWindow(gray);
    const int threshold = detection::otsuThreshold(gray);
    // One grey level (a blank wall, a sheet filling the view) has no
    // contrast to find a sheet by: with "brighter than 0" every pixel would
    // count and the whole search window would pass for a sheet.
    if (threshold == detection::kNoOtsuThreshold)
        return kDetectNoSheet;
    if (threshold >= 1 && threshold <= kDarkestUsefulThreshold)
        return kDetectNoSheet;
    cv::Point centre;
    if (!detection::brightCentre(gray, window, threshold, &centre))
        return kDetectNoSheet;
    cv::Mat mask;
    if (!detection::growSheetRegion(gray, window, threshold, centre, mask))
        return kDetectNoSeed;

    detection::SheetQuad quad;
    const bool extreme = detection::extremeCorners(detection::boundaryPoints(mask), &quad);
    const bool rectangle = detection::rectangleCorners(mask, &quad);
    if (!extreme && !rectangle)
        return kDetectNoSheet;
    const float angle = detection::sheetAngle(quad);

    std::array<cv::Point, 4> corners = {quad.p0 * factor, quad.p1 * factor, quad.p2 * factor,
                                        quad.p3 * factor};
    const detection::StraightenedBox box = detection::straightenedBox(image.size(), angle, corners);

    detection::orderCounterClockwise(corners);
    if (!detection::cornersApart(corners, kMinCornerDistance))
        return kDetectNoSheet;

    outline.angle = angle;
    outline.corners = corners;
    outline.left = box.left;
    outline.top = box.top;
    outline.right = box.right;
    outline.bottom = box.bottom;
    return kDetectFound;
}
