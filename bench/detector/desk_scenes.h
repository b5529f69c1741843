// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_DESK_SCENES_H
#define BENCH_DESK_SCENES_H

// Rendered camera views of a desk with a sheet of paper on it, with the
// sheet's true outline: wooden, dark and white desks, sheets at any angle,
// seen at a slant, partly out of the frame, under soft shadows, and views
// with no sheet at all. Every scene is a pure function of its number and
// the seed, so runs compare.

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>
#include <string>

namespace bench {

struct DeskScene {
    cv::Mat picture;                       // BGR, as decoded from the camera's JPEG
    bool hasSheet = false;
    std::array<cv::Point2f, 4> sheet{};    // the sheet's corners in the picture (may lie outside)
    std::string kind;                      // what the scene shows, for the per-kind figures
};

// Number of different kinds; scene n is of kind n % kSceneKinds.
constexpr int kSceneKinds = 10;

DeskScene renderDeskScene(int number, cv::Size size, uint64_t seed);

} // namespace bench

#endif
