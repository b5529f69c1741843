// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BENCH_CAMERA_SCENE_H
#define CORVANE_BENCH_CAMERA_SCENE_H

// A 1920x1080 grey camera picture of a printed sheet on a desk: lines of
// text, table rules, and the codes printed on it, each turned by its own
// angle; then uneven light, lens blur, sensor noise and JPEG compression.
// Deterministic for a given seed.

#include "code_drawing.h"

#include <opencv2/core/mat.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace benchcodes {

struct PlacedCode {
    CodeDrawing drawing;
    double angleDegrees = 0; // on the sheet, counter-clockwise
};

struct SceneLook {
    double blurSigma = 0.6;   // Gaussian, pixels
    double inkStrength = 0.9; // 1: black ink, 0.3: faint print
    double noiseSigma = 2.0;  // grey levels
    int jpegQuality = 88;     // 0: no JPEG compression
    bool stripes = false;     // a striped decoration (bars that are no code)
};

// False when a code did not fit on the sheet without overlapping another.
bool renderScene(std::uint64_t seed, const std::vector<PlacedCode> &codes, const SceneLook &look,
                 cv::Mat *picture);

} // namespace benchcodes

#endif
