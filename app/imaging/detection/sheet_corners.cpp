// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/sheet_corners.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace detection {

namespace {

int64_t squaredDistance(cv::Point a, cv::Point b)
{
    const int64_t dx = a.x - b.x;
    const int64_t dy = a.y - b.y;
    return dx * dx + dy * dy;
}

double distance(cv::Point a, cv::Point b)
{
    return std::sqrt(static_cast<double>(squaredDistance(a, b)));
}

// The larger x and the larger y of a diagonal's two ends move out by one;
// on equal values the first end moves.
void growFarSide(cv::Point &first, cv::Point &second)
{
    if (second.x > first.x)
        ++second.x;
    else
        ++first.x;
    if (second.y > first.y)
        ++second.y;
    else
        ++first.y;
}

} // namespace

std::vector<cv::Point> boundaryPoints(const cv::Mat &mask)
{
    const int rows = mask.rows;
    const int cols = mask.cols;
    std::vector<int> topRow(cols, -1);
    std::vector<int> bottomRow(cols, -1);
    // Row by row rather than column by column: the same answers, read in
    // memory order. A run needs three rows, so pictures under three rows
    // have none.
    for (int y = 0; y + 2 < rows; ++y) {
        const uchar *r0 = mask.ptr<uchar>(y);
        const uchar *r1 = mask.ptr<uchar>(y + 1);
        const uchar *r2 = mask.ptr<uchar>(y + 2);
        for (int x = 0; x < cols; ++x)
            if (topRow[x] < 0 && r0[x] == 0 && r1[x] == 0 && r2[x] == 0)
                topRow[x] = y;
    }
    for (int y = rows - 1; y - 2 >= 0; --y) {
        const uchar *r0 = mask.ptr<uchar>(y);
        const uchar *r1 = mask.ptr<uchar>(y - 1);
        const uchar *r2 = mask.ptr<uchar>(y - 2);
        for (int x = 0; x < cols; ++x)
            if (bottomRow[x] < 0 && r0[x] == 0 && r1[x] == 0 && r2[x] == 0)
                bottomRow[x] = y;
    }

    std::vector<cv::Point> points;
    for (int x = 0; x < cols; ++x) {
        if (topRow[x] >= 0)
            points.emplace_back(x, topRow[x]);
        if (bottomRow[x] >= 0)
            points.emplace_back(x, bottomRow[x]);
    }
    return points;
}

bool extremeCorners(const std::vector<cv::Point> &points, SheetQuad *quad)
{
    const size_t n = points.size();
    int64_t farthest = 0;
    size_t i0 = 0;
    size_t i1 = 0;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            const int64_t d = squaredDistance(points[i], points[j]);
            if (d > farthest) {
                farthest = d;
                i0 = i;
                i1 = j;
            }
        }
    }
    // All points equal (or fewer than two): no diagonal to measure from,
    // and the height over it below would divide by zero.
    if (farthest == 0)
        return false;
    const cv::Point p0 = points[i0];
    const cv::Point p1 = points[i1];
    const double diagonal = std::sqrt(static_cast<double>(farthest));

    // Heron's formula: the triangle's area over the diagonal, i.e. half the
    // point's height over it. Rounding can make the product of a point on
    // the diagonal slightly negative; that is a height of zero.
    cv::Point p2 = p0;
    double highest = -1.0;
    for (const cv::Point &p : points) {
        const double a = distance(p, p0);
        const double b = distance(p, p1);
        const double product = (a + diagonal - b) * (a + diagonal + b) * (b + diagonal - a)
                               * (b + a - diagonal);
        const int64_t root = static_cast<int64_t>(std::sqrt(std::max(0.0, product)));
        const double height = static_cast<double>(root >> 2) / diagonal;
        if (height > highest) {
            highest = height;
            p2 = p;
        }
    }

    cv::Point p3 = p2;
    int64_t farthestFromP2 = -1;
    for (const cv::Point &p : points) {
        const int64_t d = squaredDistance(p, p2);
        if (d > farthestFromP2) {
            farthestFromP2 = d;
            p3 = p;
        }
    }
    *quad = SheetQuad{p0, p1, p2, p3};
    return true;
}

bool rectangleCorners(const cv::Mat &mask, SheetQuad *quad)
{
    cv::Mat region;
    cv::compare(mask, 0, region, cv::CMP_EQ);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(region, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);

    const std::vector<cv::Point> *chosen = nullptr;
    int64_t largest = 0;
    for (const std::vector<cv::Point> &contour : contours) {
        const cv::Rect box = cv::boundingRect(contour);
        if (box.x == 0 || box.y == 0 || box.x + box.width == mask.cols
            || box.y + box.height == mask.rows)
            continue;
        const int64_t area = static_cast<int64_t>(box.width) * box.height;
        if (!chosen || area > largest) {
            chosen = &contour;
            largest = area;
        }
    }
    if (!chosen)
        return false;

    cv::Point2f r[4];
    cv::minAreaRect(*chosen).points(r);
    auto truncated = [](cv::Point2f p) {
        return cv::Point(static_cast<int>(p.x), static_cast<int>(p.y));
    };
    SheetQuad q{truncated(r[0]), truncated(r[2]), truncated(r[1]), truncated(r[3])};
    growFarSide(q.p0, q.p1);
    growFarSide(q.p2, q.p3);
    *quad = q;
    return true;
}

} // namespace detection
