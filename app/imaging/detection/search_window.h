// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SEARCH_WINDOW_H
#define CORVANE_SEARCH_WINDOW_H

// Where the detector looks for the sheet: between the darkest bands of
// desk found near each edge of the picture.

#include <opencv2/core/mat.hpp>

namespace detection {

// Columns left..right-1 and rows top..bottom-1.
struct SearchWindow {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// For each edge, the band of up to eight lines with the smallest mean sum,
// starting anywhere in the outer quarter of the picture; a tie goes to the
// band further in. A direction with fewer than four pixels keeps 0 for both
// of its sides (an empty window).
SearchWindow findSearchWindow(const cv::Mat &gray);

} // namespace detection

#endif
