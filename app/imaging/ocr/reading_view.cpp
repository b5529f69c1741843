// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/reading_view.h"

#include "imaging/detection/document_deskew.h"
#include "imaging/detection/document_detector.h"
#include "imaging/detection/gray_conversion.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ocr {

namespace {

// Grey levels by which paper must be brighter than the desk around it.
constexpr int kSheetContrast = 24;

// Tesseract reads print best when its small letters are 20 pixels high or
// more; a camera view of a page at 1080 lines gives half that or less.
// Measured on rendered pages (bench_ocr): the median blob brought to 30
// pixels read 10-point print without errors, 22 pixels left 3 % errors.
constexpr double kReadableHeight = 30.0;
constexpr double kLargestScale = 3.0;
constexpr size_t kFewestBlobs = 20;
// Reading time grows with the view's pixels: a whole 3840x2880 camera
// picture enlarged to 24 megapixels took 7 to 9 seconds, as it is (11
// megapixels) about 3. Print that needs enlarging on a view this large is
// rare; the limit keeps a reading of the whole picture within seconds.
constexpr double kLargestViewPixels = 12e6;

} // namespace

cv::Mat grayPicture(const cv::Mat &picture)
{
    return grayFromBgr(picture);
}

namespace {

// A sheet lying on a desk is brighter than what surrounds it. A "sheet"
// found inside a page that fills the picture (a block of white between
// paragraphs) has the same paper around it and must not be cut out: its
// cut-out would lose the rest of the page. A sheet that fills nearly the
// whole picture leaves too little around it to judge, and is taken.
bool standsOutFromSurroundings(const cv::Mat &gray, const DocumentOutline &outline)
{
    cv::Mat inside(gray.size(), CV_8UC1, cv::Scalar(0));
    std::vector<cv::Point> polygon(outline.corners.begin(), outline.corners.end());
    cv::fillConvexPoly(inside, polygon, cv::Scalar(255));
    const double insideShare = cv::countNonZero(inside) / double(gray.size().area());
    if (insideShare > 0.95)
        return true;
    const auto median = [&gray](const cv::Mat &mask) {
        const int channels[] = {0};
        const int bins[] = {256};
        const float range[] = {0, 256};
        const float *ranges[] = {range};
        cv::Mat histogram;
        cv::calcHist(&gray, 1, channels, mask, histogram, 1, bins, ranges);
        const double half = cv::sum(histogram)[0] / 2;
        double seen = 0;
        for (int level = 0; level < 256; ++level) {
            seen += histogram.at<float>(level);
            if (seen >= half)
                return level;
        }
        return 255;
    };
    cv::Mat outside;
    cv::bitwise_not(inside, outside);
    return median(outside) + kSheetContrast <= median(inside);
}

} // namespace

double printScale(const cv::Mat &gray)
{
    if (gray.empty())
        return 1.0;
    cv::Mat ink;
    cv::adaptiveThreshold(gray, ink, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 31,
                          15);
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(ink, labels, stats, centroids, 8, CV_32S);
    std::vector<int> heights;
    const int tallest = std::max(8, gray.rows / 12);
    for (int i = 1; i < count; ++i) {
        const int w = stats.at<int>(i, cv::CC_STAT_WIDTH);
        const int h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        const int area = stats.at<int>(i, cv::CC_STAT_AREA);
        // Characters: not specks, not rules or frames, not photos.
        if (h < 4 || h > tallest || w > 3 * h || area < 8 || area > w * h * 9 / 10)
            continue;
        heights.push_back(h);
    }
    if (heights.size() < kFewestBlobs)
        return 1.0;
    std::nth_element(heights.begin(), heights.begin() + long(heights.size() / 2), heights.end());
    const double median = heights[heights.size() / 2];
    return std::clamp(kReadableHeight / median, 1.0, kLargestScale);
}

ReadingView uprightView(const cv::Mat &gray, double minSheetShare, double scale)
{
    ReadingView view;
    cv::Matx33d pictureToView = cv::Matx33d::eye();
    cv::Size size = gray.size();
    DocumentOutline outline;
    cv::Size cutSize;
    cv::Matx33d toCut;
    if (minSheetShare <= 1.0 && DocumentDetector().detectDocument(gray, &outline) == kDetectFound
        && perspectiveCutOutGeometry(gray.size(), outline, &cutSize, &toCut)
        && double(cutSize.area()) >= minSheetShare * double(gray.size().area())
        && standsOutFromSurroundings(gray, outline)) {
        pictureToView = toCut;
        size = cutSize;
        view.straightened = true;
        cv::warpPerspective(gray, view.gray, cv::Mat(pictureToView), size, cv::INTER_LINEAR,
                            cv::BORDER_REPLICATE);
    } else {
        view.gray = gray;
    }
    if (scale <= 0)
        scale = printScale(view.gray);
    scale = std::min(scale, std::sqrt(kLargestViewPixels / double(std::max(1, size.area()))));
    view.scale = scale > 1.05 ? scale : 1.0;
    if (scale > 1.05) {
        pictureToView = cv::Matx33d(scale, 0, 0, 0, scale, 0, 0, 0, 1) * pictureToView;
        size = cv::Size(cvRound(size.width * scale), cvRound(size.height * scale));
        // From the picture again, not from the cut-out: one interpolation.
        cv::warpPerspective(gray, view.gray, cv::Mat(pictureToView), size, cv::INTER_CUBIC,
                            cv::BORDER_REPLICATE);
    }
    view.toPicture = pictureToView.inv();
    return view;
}

ReadingView turnedView(const ReadingView &upright, int quarterTurns)
{
    ReadingView view = upright;
    // Turning into the upright view's own pixels would overwrite them as
    // they are read (a half turn keeps the size, so nothing reallocates).
    view.gray = cv::Mat();
    view.quarterTurns = ((quarterTurns % 4) + 4) % 4;
    const double w = upright.gray.cols;
    const double h = upright.gray.rows;
    // Turned pixels (u, v) back to upright ones, on pixel edges (a box's
    // right edge is at x = width).
    cv::Matx33d back = cv::Matx33d::eye();
    switch (view.quarterTurns) {
    case 1:
        cv::rotate(upright.gray, view.gray, cv::ROTATE_90_CLOCKWISE);
        back = cv::Matx33d(0, 1, 0, -1, 0, h, 0, 0, 1); // (v, h - u)
        break;
    case 2:
        cv::rotate(upright.gray, view.gray, cv::ROTATE_180);
        back = cv::Matx33d(-1, 0, w, 0, -1, h, 0, 0, 1); // (w - u, h - v)
        break;
    case 3:
        cv::rotate(upright.gray, view.gray, cv::ROTATE_90_COUNTERCLOCKWISE);
        back = cv::Matx33d(0, -1, w, 1, 0, 0, 0, 0, 1); // (w - v, u)
        break;
    default:
        view.gray = upright.gray;
        break;
    }
    view.toPicture = upright.toPicture * back;
    return view;
}

cv::Point2f toPicture(const ReadingView &view, cv::Point2f point)
{
    const cv::Vec3d p = view.toPicture * cv::Vec3d(point.x, point.y, 1.0);
    if (p[2] == 0.0)
        return point;
    return cv::Point2f(float(p[0] / p[2]), float(p[1] / p[2]));
}

} // namespace ocr
