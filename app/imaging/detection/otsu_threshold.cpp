// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/otsu_threshold.h"

#include <cstdint>

namespace detection {

int otsuThreshold(const cv::Mat &gray)
{
    int64_t histogram[256] = {};
    for (int y = 0; y < gray.rows; ++y) {
        const uchar *row = gray.ptr<uchar>(y);
        for (int x = 0; x < gray.cols; ++x)
            ++histogram[row[x]];
    }
    const int64_t total = static_cast<int64_t>(gray.rows) * gray.cols;
    if (total == 0)
        return kNoOtsuThreshold;

    int64_t levelSum = 0;
    for (int k = 0; k < 256; ++k)
        levelSum += k * histogram[k];
    const double meanTotal = static_cast<double>(levelSum) / total;

    // Counts stay integers so that "class empty" is exact: a share summed
    // in floating point may miss 1.0 and let a level with an empty upper
    // class win on rounding noise.
    int64_t below = 0;
    int64_t belowSum = 0;
    int best = kNoOtsuThreshold;
    double bestVariance = -1.0;
    for (int k = 0; k < 256; ++k) {
        below += histogram[k];
        belowSum += k * histogram[k];
        if (below == 0 || below == total)
            continue;
        const double omega = static_cast<double>(below) / total;
        const double mu = static_cast<double>(belowSum) / total;
        const double gap = (meanTotal - mu) / (1.0 - omega) - mu / omega;
        const double variance = (1.0 - omega) * omega * gap * gap;
        if (variance > bestVariance) {
            bestVariance = variance;
            best = k;
        }
    }
    return best;
}

} // namespace detection
