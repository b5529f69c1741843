// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/document_deskew.h"

#include "imaging/detection/straightening.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

cv::Mat straightenedCutOut(const cv::Mat &frame, const DocumentOutline &outline)
{
    const int width = outline.right - outline.left;
    const int height = outline.bottom - outline.top;
    if (frame.empty() || width <= 0 || height <= 0)
        return cv::Mat();
    // Turning the whole frame and then cutting would cost a full-size warp;
    // moving the transform to the box's origin warps the box alone.
    cv::Matx23d toBox = detection::straighteningTransform(frame.size(), outline.angle);
    toBox(0, 2) -= outline.left;
    toBox(1, 2) -= outline.top;
    cv::Mat cut;
    cv::warpAffine(frame, cut, cv::Mat(toBox), cv::Size(width, height), cv::INTER_NEAREST,
                   cv::BORDER_CONSTANT, cv::Scalar::all(0));
    return cut;
}

namespace {

double edgeLength(cv::Point2f a, cv::Point2f b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

} // namespace

bool perspectiveCutOutGeometry(cv::Size frame, const DocumentOutline &outline, cv::Size *size,
                               cv::Matx33d *frameToCut)
{
    if (frame.empty())
        return false;
    // Which corner is top-left and so on, judged after turning by minus
    // the tilt, so the result stands the way straightenedCutOut's does.
    const cv::Matx23d turn = detection::straighteningTransform(frame, outline.angle);
    cv::Point2f topLeft, topRight, bottomRight, bottomLeft;
    double minSum = 0, maxSum = 0, minDiff = 0, maxDiff = 0;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f p(outline.corners[i]);
        const double x = turn(0, 0) * p.x + turn(0, 1) * p.y;
        const double y = turn(1, 0) * p.x + turn(1, 1) * p.y;
        if (i == 0 || x + y < minSum) { minSum = x + y; topLeft = p; }
        if (i == 0 || x + y > maxSum) { maxSum = x + y; bottomRight = p; }
        if (i == 0 || x - y > maxDiff) { maxDiff = x - y; topRight = p; }
        if (i == 0 || x - y < minDiff) { minDiff = x - y; bottomLeft = p; }
    }
    const int width = static_cast<int>(std::lround(
        std::max(edgeLength(topLeft, topRight), edgeLength(bottomLeft, bottomRight))));
    const int height = static_cast<int>(std::lround(
        std::max(edgeLength(topLeft, bottomLeft), edgeLength(topRight, bottomRight))));
    if (width < 1 || height < 1)
        return false;

    const cv::Point2f from[4] = {topLeft, topRight, bottomRight, bottomLeft};
    const cv::Point2f to[4] = {{0.0f, 0.0f},
                               {float(width), 0.0f},
                               {float(width), float(height)},
                               {0.0f, float(height)}};
    const cv::Mat homography = cv::getPerspectiveTransform(from, to);
    // Corners on one line (a degenerate outline) have no homography.
    if (homography.empty() || !cv::checkRange(homography))
        return false;
    *size = cv::Size(width, height);
    *frameToCut = cv::Matx33d(homography);
    return true;
}

cv::Mat perspectiveCutOut(const cv::Mat &frame, const DocumentOutline &outline)
{
    cv::Size size;
    cv::Matx33d frameToCut;
    if (!perspectiveCutOutGeometry(frame.size(), outline, &size, &frameToCut))
        return cv::Mat();
    cv::Mat cut;
    cv::warpPerspective(frame, cut, cv::Mat(frameToCut), size, cv::INTER_LINEAR,
                        cv::BORDER_CONSTANT, cv::Scalar::all(0));
    return cut;
}
