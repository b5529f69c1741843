// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BENCH_CODE_DRAWING_H
#define CORVANE_BENCH_CODE_DRAWING_H

// A code drawn as black modules on white with its quiet zone, at a given
// (fractional) module size: drawn at eight pixels a module, then reduced
// with area averaging, as a camera's sensor would see the print.

#include "linear_codes.h"

#include <opencv2/core/mat.hpp>

#include <string>
#include <vector>

namespace benchcodes {

struct CodeDrawing {
    cv::Mat patch; // CV_8UC1, 255 paper, 0 ink
    std::string symbology;
    std::string text;
    std::vector<std::string> alsoRight;
};

// Bars `heightModules` high, quiet zones of ten modules.
CodeDrawing drawLinear(const LinearCode &code, double modulePixels, int heightModules);

// A QR code of the given bytes in one byte segment, preceded by an ECI
// designator when eci >= 0; `text` is what a reader should report. An
// empty patch when the encoder refuses.
CodeDrawing drawQr(const std::string &bytes, int eci, const std::string &text, double modulePixels);

} // namespace benchcodes

#endif
