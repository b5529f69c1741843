// SPDX-License-Identifier: GPL-3.0-or-later

#include "outline_overlap.h"

#include <opencv2/imgproc.hpp>

#include <vector>

namespace bench {

namespace {

std::vector<cv::Point2f> clippedHull(const std::array<cv::Point2f, 4> &quad, cv::Size picture)
{
    std::vector<cv::Point2f> hull;
    cv::convexHull(std::vector<cv::Point2f>(quad.begin(), quad.end()), hull);
    const std::vector<cv::Point2f> frame = {{0, 0},
                                            {float(picture.width), 0},
                                            {float(picture.width), float(picture.height)},
                                            {0, float(picture.height)}};
    std::vector<cv::Point2f> clipped;
    if (hull.size() < 3 || cv::intersectConvexConvex(hull, frame, clipped, true) <= 0)
        return {};
    return clipped;
}

} // namespace

double outlineJaccard(const std::array<cv::Point2f, 4> &a, const std::array<cv::Point2f, 4> &b,
                      cv::Size picture)
{
    const std::vector<cv::Point2f> pa = clippedHull(a, picture);
    const std::vector<cv::Point2f> pb = clippedHull(b, picture);
    if (pa.size() < 3 || pb.size() < 3)
        return 0.0;
    std::vector<cv::Point2f> common;
    const double shared = std::max(0.0, double(cv::intersectConvexConvex(pa, pb, common, true)));
    const double joined = cv::contourArea(pa) + cv::contourArea(pb) - shared;
    return joined > 0 ? shared / joined : 0.0;
}

} // namespace bench
