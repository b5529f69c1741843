// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BENCH_BENCHMARK_PICTURES_H
#define CORVANE_BENCH_BENCHMARK_PICTURES_H

// The benchmark's picture set: every code sample under every condition
// (plain, turned, small, blurred, faint, small and turned and blurred),
// pictures with several codes, and pictures with none (text, rules and
// striped decorations only).

#include "code_drawing.h"

#include <opencv2/core/mat.hpp>

#include <functional>
#include <string>
#include <vector>

namespace benchcodes {

struct CodeSample {
    std::string name;
    bool matrix; // a QR code (module sizes differ from the linear codes')
    std::function<CodeDrawing(double modulePixels)> draw;
};

struct BenchPicture {
    std::string label;
    cv::Mat grey; // 1920x1080
    std::vector<CodeDrawing> expected;
};

std::vector<CodeSample> codeSamples();

// `every`: keep one picture in `every` (1 keeps all), for short runs.
std::vector<BenchPicture> benchmarkPictures(int every);

} // namespace benchcodes

#endif
