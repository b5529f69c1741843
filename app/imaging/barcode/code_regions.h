// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CODE_REGIONS_H
#define CORVANE_CODE_REGIONS_H

// Where in a grey picture a code may be: the regions the reader enlarges
// and scans again when the picture as it is gave nothing, so that a page
// of text costs a few small scans instead of one of the whole picture
// four times over.
//
// The picture is cut into tiles of kTileSize pixels; each tile is judged
// by a window of 3x3 tiles around it:
// - edge density: the mean squared gradient, relative to the local
//   contrast (the span between the paper and the ink near the tile), so
//   that faint and blurred codes count as much as sharp black ones;
// - coherence: how much the gradients share one direction (1 for bars,
//   near 0 for the squares of a matrix code and for letters);
// - ink cover: how much of the window is dark, relative to the same span.
// Bars are dense edges in one direction. A matrix code is dense edges in
// all directions and about half ink; printed letters are thin strokes with
// space between the lines and cover far less, so lines of text are mostly
// left out. Windows that pass are grouped (touching tiles), lone ones are
// dropped, and each group becomes its bounding box plus kMargin pixels,
// enough for the quiet zone and the code's rim, which its own windows
// judge weaker than its middle. Boxes that overlap are merged into one, so
// a code whose windows fall apart into two groups is scanned whole.
//
// Thread rules: a pure function, any thread.

#include <opencv2/core/types.hpp>

#include <vector>

namespace cv {
class Mat;
}

namespace barcode {

constexpr int kTileSize = 16;
constexpr int kRegionMargin = 48;

// Disjoint rectangles inside the picture, largest first; none when the
// picture has nothing code-like (or is not CV_8UC1).
std::vector<cv::Rect> codeRegions(const cv::Mat &grey);

} // namespace barcode

#endif
