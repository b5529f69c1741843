// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/code_regions.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace barcode {

namespace {

// Below this span between paper and ink a window is paper, desk or noise.
constexpr float kMinContrast = 40.0f;
// Mean squared Sobel gradient over the squared contrast, divided by the
// Sobel kernel's gain (4 squared): about 0.3 divided by the spacing of the
// edges in pixels for a sharp picture. A lone edge or rule in a window of
// 48 pixels stays below 0.01; bars of two-pixel modules reach 0.1, and a
// matrix code blurred by a poorly focused camera 0.07.
constexpr float kMinLinearDensity = 0.04f;
constexpr float kMinMatrixDensity = 0.05f;
// Bars cross a window in one direction: their gradients agree.
constexpr float kMinBarCoherence = 0.5f;
// Ink cover of a window: about half inside a matrix code, a fifth or less
// in lines of text, between a fifth and two thirds across bars.
constexpr float kMinMatrixInk = 0.40f;
constexpr float kMinBarInk = 0.20f;
// Every tile of a window inside a code has edges of its own; a window
// over the edge of the sheet, half desk, has the desk's ink cover but
// flat tiles.
constexpr float kMinTileDensity = 0.01f;

struct TileSums {
    cv::Mat xx, yy, xy, sum, count, low, high; // CV_32F, one element per tile
};

// Sums of the gradient products and the grey values, the pixel count,
// and the darkest and brightest grey of every tile.
TileSums sumTiles(const cv::Mat &grey)
{
    cv::Mat gx, gy;
    cv::Sobel(grey, gx, CV_16S, 1, 0, 3);
    cv::Sobel(grey, gy, CV_16S, 0, 1, 3);
    const int tilesX = (grey.cols + kTileSize - 1) / kTileSize;
    const int tilesY = (grey.rows + kTileSize - 1) / kTileSize;
    TileSums t;
    for (cv::Mat *m : {&t.xx, &t.yy, &t.xy, &t.sum, &t.count})
        *m = cv::Mat::zeros(tilesY, tilesX, CV_32F);
    t.low = cv::Mat(tilesY, tilesX, CV_32F, cv::Scalar(255));
    t.high = cv::Mat::zeros(tilesY, tilesX, CV_32F);
    std::vector<std::int64_t> xx(tilesX), yy(tilesX), xy(tilesX), sum(tilesX);
    std::vector<int> low(tilesX), high(tilesX);
    for (int ty = 0; ty < tilesY; ++ty) {
        std::fill(xx.begin(), xx.end(), 0);
        std::fill(yy.begin(), yy.end(), 0);
        std::fill(xy.begin(), xy.end(), 0);
        std::fill(sum.begin(), sum.end(), 0);
        std::fill(low.begin(), low.end(), 255);
        std::fill(high.begin(), high.end(), 0);
        const int yEnd = std::min(grey.rows, (ty + 1) * kTileSize);
        for (int y = ty * kTileSize; y < yEnd; ++y) {
            const unsigned char *g = grey.ptr<unsigned char>(y);
            const short *dx = gx.ptr<short>(y);
            const short *dy = gy.ptr<short>(y);
            for (int tx = 0; tx < tilesX; ++tx) {
                const int xEnd = std::min(grey.cols, (tx + 1) * kTileSize);
                std::int64_t sxx = 0, syy = 0, sxy = 0, s = 0;
                int lo = low[tx], hi = high[tx];
                for (int x = tx * kTileSize; x < xEnd; ++x) {
                    const int a = dx[x], b = dy[x];
                    sxx += a * a;
                    syy += b * b;
                    sxy += a * b;
                    s += g[x];
                    lo = std::min<int>(lo, g[x]);
                    hi = std::max<int>(hi, g[x]);
                }
                xx[tx] += sxx;
                yy[tx] += syy;
                xy[tx] += sxy;
                sum[tx] += s;
                low[tx] = lo;
                high[tx] = hi;
            }
        }
        const int rows = yEnd - ty * kTileSize;
        for (int tx = 0; tx < tilesX; ++tx) {
            const int cols = std::min(grey.cols, (tx + 1) * kTileSize) - tx * kTileSize;
            t.xx.at<float>(ty, tx) = static_cast<float>(xx[tx]);
            t.yy.at<float>(ty, tx) = static_cast<float>(yy[tx]);
            t.xy.at<float>(ty, tx) = static_cast<float>(xy[tx]);
            t.sum.at<float>(ty, tx) = static_cast<float>(sum[tx]);
            t.count.at<float>(ty, tx) = static_cast<float>(rows * cols);
            t.low.at<float>(ty, tx) = static_cast<float>(low[tx]);
            t.high.at<float>(ty, tx) = static_cast<float>(high[tx]);
        }
    }
    return t;
}

// 255 where the window of 3x3 tiles around a tile looks like part of a code.
cv::Mat codeLikeTiles(const TileSums &t)
{
    const cv::Size window(3, 3);
    cv::Mat xx, yy, xy, sum, count, paper, ink, tileEnergy, flattest;
    cv::divide(t.xx + t.yy, t.count, tileEnergy);
    cv::erode(tileEnergy, flattest, cv::getStructuringElement(cv::MORPH_RECT, window));
    cv::boxFilter(t.xx, xx, -1, window, cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
    cv::boxFilter(t.yy, yy, -1, window, cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
    cv::boxFilter(t.xy, xy, -1, window, cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
    cv::boxFilter(t.sum, sum, -1, window, cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
    cv::boxFilter(t.count, count, -1, window, cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
    // Paper and ink levels from a wider neighbourhood: a window wholly
    // inside a code has no paper of its own.
    const cv::Mat wide = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5));
    cv::dilate(t.high, paper, wide);
    cv::erode(t.low, ink, wide);

    cv::Mat mask = cv::Mat::zeros(t.xx.size(), CV_8UC1);
    for (int y = 0; y < mask.rows; ++y) {
        for (int x = 0; x < mask.cols; ++x) {
            const float contrast = paper.at<float>(y, x) - ink.at<float>(y, x);
            if (contrast < kMinContrast)
                continue;
            const float n = count.at<float>(y, x);
            const float a = xx.at<float>(y, x), b = yy.at<float>(y, x), c = xy.at<float>(y, x);
            const float energy = a + b;
            if (energy <= 0)
                continue;
            const float density = energy / n / (16.0f * contrast * contrast);
            if (flattest.at<float>(y, x) / (16.0f * contrast * contrast) < kMinTileDensity)
                continue;
            const float coherence = std::sqrt((a - b) * (a - b) + 4 * c * c) / energy;
            const float cover = (paper.at<float>(y, x) - sum.at<float>(y, x) / n) / contrast;
            const bool bars = coherence >= kMinBarCoherence && density > kMinLinearDensity && cover > kMinBarInk;
            const bool squares = coherence < kMinBarCoherence && density > kMinMatrixDensity && cover > kMinMatrixInk;
            if (bars || squares)
                mask.at<unsigned char>(y, x) = 255;
        }
    }
    return mask;
}

} // namespace

std::vector<cv::Rect> codeRegions(const cv::Mat &grey)
{
    std::vector<cv::Rect> regions;
    if (grey.empty() || grey.type() != CV_8UC1 || grey.dims != 2)
        return regions;
    const cv::Mat mask = codeLikeTiles(sumTiles(grey));
    // The outline of each group of touching tiles (findContours rather than
    // connectedComponents, whose parallel labelling hands memory between
    // OpenCV's worker threads, which ThreadSanitizer cannot follow).
    std::vector<std::vector<cv::Point>> groups;
    cv::findContours(mask, groups, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    const cv::Rect picture(0, 0, grey.cols, grey.rows);
    for (const std::vector<cv::Point> &outline : groups) {
        // A lone tile (its outline is that one point) is a letter far more
        // often than a code: the middle of the smallest code the second
        // scan reads covers two tiles or more.
        if (outline.size() < 2)
            continue;
        const cv::Rect tiles = cv::boundingRect(outline);
        const cv::Rect box(tiles.x * kTileSize - kRegionMargin, tiles.y * kTileSize - kRegionMargin,
                           tiles.width * kTileSize + 2 * kRegionMargin,
                           tiles.height * kTileSize + 2 * kRegionMargin);
        regions.push_back(box & picture);
    }
    // Merge overlapping boxes until none overlap: merging can make a box
    // reach one it did not touch before.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < regions.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < regions.size() && !merged; ++j) {
                if ((regions[i] & regions[j]).area() > 0) {
                    regions[i] |= regions[j];
                    regions.erase(regions.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
    std::sort(regions.begin(), regions.end(),
              [](const cv::Rect &a, const cv::Rect &b) { return a.area() > b.area(); });
    return regions;
}

} // namespace barcode
