// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/detection/median9.h"

#include <opencv2/imgproc.hpp>

#include <cstring>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define CORVANE_MEDIAN9_VECTOR 1
#endif

namespace detection {

#ifdef CORVANE_MEDIAN9_VECTOR

namespace {

#include "imaging/detection/median9_network.inc"

constexpr int kRadius = 4;

// Buffers for one picture: the picture with replicated borders, wide
// enough that whole vectors can be read at the last columns, and the nine
// rank rows (window columns sorted) of the current output row. A view into
// a larger picture is padded from its own edge pixels, not its neighbours.
struct Workspace {
    cv::Mat padded;
    std::vector<uchar> ranks;
    std::vector<uchar> outRow;
    int blocks = 0;        // output vectors per row
    int columnBlocks = 0;  // column-sort vectors per row
    int stride = 0;        // bytes per rank row

    Workspace(const cv::Mat &src, int lanes)
    {
        blocks = (src.cols + lanes - 1) / lanes;
        columnBlocks = (blocks * lanes + 2 * kRadius + lanes - 1) / lanes;
        stride = columnBlocks * lanes;
        cv::copyMakeBorder(src, padded, kRadius, kRadius, kRadius,
                           stride - src.cols - kRadius, cv::BORDER_REPLICATE | cv::BORDER_ISOLATED);
        ranks.assign(static_cast<size_t>(stride) * 9, 0);
        outRow.assign(static_cast<size_t>(blocks) * lanes, 0);
    }
};

// One instruction set's loop: V, LOAD, STORE, LOWER and UPPER are defined
// around each use.
#define MEDIAN9_ROWS(lanes)                                                     \
    Workspace w(src, lanes);                                                    \
    uchar *rank[9];                                                             \
    for (int r = 0; r < 9; ++r)                                                 \
        rank[r] = w.ranks.data() + static_cast<size_t>(r) * w.stride;           \
    uchar *out = w.outRow.data();                                               \
    for (int y = 0; y < src.rows; ++y) {                                        \
        const uchar *rows[9];                                                   \
        for (int k = 0; k < 9; ++k)                                             \
            rows[k] = w.padded.ptr<uchar>(y + k);                               \
        for (int x = 0; x < w.columnBlocks * (lanes); x += (lanes)) {           \
            COLUMN_SORT                                                         \
        }                                                                       \
        for (int x = 0; x < w.blocks * (lanes); x += (lanes)) {                 \
            MEDIAN_OF_SORTED_COLUMNS                                            \
        }                                                                       \
        std::memcpy(dst.ptr<uchar>(y), out, static_cast<size_t>(src.cols));     \
    }

#define V __m128i
#define LOAD(p) _mm_loadu_si128(reinterpret_cast<const __m128i *>(p))
#define STORE(p, v) _mm_storeu_si128(reinterpret_cast<__m128i *>(p), v)
#define LOWER(a, b) _mm_min_epu8(a, b)
#define UPPER(a, b) _mm_max_epu8(a, b)
void medianRowsSse2(const cv::Mat &src, cv::Mat &dst)
{
    MEDIAN9_ROWS(16)
}
#undef V
#undef LOAD
#undef STORE
#undef LOWER
#undef UPPER

#define V __m256i
#define LOAD(p) _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p))
#define STORE(p, v) _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), v)
#define LOWER(a, b) _mm256_min_epu8(a, b)
#define UPPER(a, b) _mm256_max_epu8(a, b)
__attribute__((target("avx2"))) void medianRowsAvx2(const cv::Mat &src, cv::Mat &dst)
{
    MEDIAN9_ROWS(32)
}
#undef V
#undef LOAD
#undef STORE
#undef LOWER
#undef UPPER

bool hasAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

} // namespace

void medianBlur9(const cv::Mat &src, cv::Mat &dst)
{
    CV_Assert(src.type() == CV_8UC1 && !src.empty());
    // dst may be src: the padded copy is taken first.
    cv::Mat result(src.size(), CV_8UC1);
    if (hasAvx2())
        medianRowsAvx2(src, result);
    else
        medianRowsSse2(src, result);
    dst = result;
}

void medianBlur9Narrow(const cv::Mat &src, cv::Mat &dst)
{
    CV_Assert(src.type() == CV_8UC1 && !src.empty());
    cv::Mat result(src.size(), CV_8UC1);
    medianRowsSse2(src, result);
    dst = result;
}

#else

void medianBlur9(const cv::Mat &src, cv::Mat &dst)
{
    cv::medianBlur(src, dst, 9);
}

void medianBlur9Narrow(const cv::Mat &src, cv::Mat &dst)
{
    cv::medianBlur(src, dst, 9);
}

#endif

} // namespace detection
