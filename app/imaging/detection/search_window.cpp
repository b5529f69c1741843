// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/search_window.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace detection {

namespace {

// Offset i (0 .. lines/4 - 1) from the edge of the darkest band, the band
// being lines i .. i+n-1 counted from that edge, n = min(8, lines/4 - i).
int darkestBandOffset(const std::vector<int64_t> &lineSums, bool fromFarEdge)
{
    const int lines = static_cast<int>(lineSums.size());
    const int span = lines / 4;
    int best = 0;
    int64_t bestValue = std::numeric_limits<int64_t>::max();
    for (int i = 0; i < span; ++i) {
        const int n = std::min(8, span - i);
        int64_t sum = 0;
        for (int k = 0; k < n; ++k)
            sum += lineSums[fromFarEdge ? lines - 1 - i - k : i + k];
        const int64_t value = sum / n;
        if (value <= bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

} // namespace

SearchWindow findSearchWindow(const cv::Mat &gray)
{
    std::vector<int64_t> columnSums(gray.cols, 0);
    std::vector<int64_t> rowSums(gray.rows, 0);
    for (int y = 0; y < gray.rows; ++y) {
        const uchar *row = gray.ptr<uchar>(y);
        int64_t rowSum = 0;
        for (int x = 0; x < gray.cols; ++x) {
            columnSums[x] += row[x];
            rowSum += row[x];
        }
        rowSums[y] = rowSum;
    }

    SearchWindow window;
    if (gray.cols >= 4) {
        window.left = darkestBandOffset(columnSums, false);
        window.right = gray.cols - 1 - darkestBandOffset(columnSums, true);
    }
    if (gray.rows >= 4) {
        window.top = darkestBandOffset(rowSums, false);
        window.bottom = gray.rows - 1 - darkestBandOffset(rowSums, true);
    }
    return window;
}

} // namespace detection
