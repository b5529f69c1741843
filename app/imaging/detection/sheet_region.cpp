// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/sheet_region.h"

#include <cstdint>
#include <vector>

namespace detection {

bool brightCentre(const cv::Mat &gray, const SearchWindow &window, int threshold,
                  cv::Point *centre)
{
    int64_t count = 0;
    int64_t sumX = 0;
    int64_t sumY = 0;
    for (int y = window.top; y < window.bottom; ++y) {
        const uchar *row = gray.ptr<uchar>(y);
        int64_t rowCount = 0;
        for (int x = window.left; x < window.right; ++x) {
            if (row[x] > threshold) {
                ++rowCount;
                sumX += x;
            }
        }
        count += rowCount;
        sumY += rowCount * y;
    }
    if (count == 0)
        return false;
    *centre = cv::Point(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
    return true;
}

namespace {

bool isSeed(const cv::Mat &gray, int x, int y, int threshold)
{
    if (x < 1 || y < 1 || x + 1 >= gray.cols || y + 1 >= gray.rows)
        return false;
    return gray.at<uchar>(y, x) > threshold && gray.at<uchar>(y, x - 1) > threshold
           && gray.at<uchar>(y, x + 1) > threshold && gray.at<uchar>(y - 1, x) > threshold
           && gray.at<uchar>(y + 1, x) > threshold;
}

} // namespace

bool growSheetRegion(const cv::Mat &gray, const SearchWindow &window, int threshold,
                     cv::Point centre, cv::Mat &mask)
{
    mask.create(gray.size(), CV_8UC1);
    mask.setTo(1);

    // Pixel positions as (y * cols + x); each pixel is pushed at most once
    // because it is marked when pushed (the crossing of the two seed lines
    // included).
    std::vector<int> stack;
    const int cols = gray.cols;
    auto push = [&](int x, int y) {
        mask.at<uchar>(y, x) = 0;
        stack.push_back(y * cols + x);
    };
    for (int x = window.left + 1; x <= window.right - 2; ++x)
        if (isSeed(gray, x, centre.y, threshold) && mask.at<uchar>(centre.y, x) == 1)
            push(x, centre.y);
    for (int y = window.top + 1; y <= window.bottom - 2; ++y)
        if (isSeed(gray, centre.x, y, threshold) && mask.at<uchar>(y, centre.x) == 1)
            push(centre.x, y);
    if (stack.empty())
        return false;

    auto visit = [&](int x, int y) {
        if (mask.at<uchar>(y, x) == 1 && gray.at<uchar>(y, x) > threshold)
            push(x, y);
    };
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        const int x = at % cols;
        const int y = at / cols;
        if (x > window.left)
            visit(x - 1, y);
        if (x + 1 < window.right)
            visit(x + 1, y);
        if (y - 1 >= window.top)
            visit(x, y - 1);
        if (y + 1 < window.bottom)
            visit(x, y + 1);
    }
    return true;
}

} // namespace detection
