// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SHEET_REGION_H
#define CORVANE_SHEET_REGION_H

// The bright paper region inside the search window: its centre, seeds on
// a cross through that centre, and the region grown from them.

#include "imaging/detection/search_window.h"

#include <opencv2/core/mat.hpp>
#include <opencv2/core/types.hpp>

namespace detection {

// Centre of the pixels brighter than threshold inside the window (mean
// column and mean row, truncated). False when there is none.
bool brightCentre(const cv::Mat &gray, const SearchWindow &window, int threshold,
                  cv::Point *centre);

// Seeds are the pixels on the row and on the column through the centre
// (inside the window, one pixel in from its ends) that are brighter than
// threshold together with their four neighbours. The region grows from
// them to every 4-connected bright pixel inside the window. mask becomes
// 0 on the region and 1 elsewhere, at gray's size. False when there is no
// seed (mask is then all 1).
bool growSheetRegion(const cv::Mat &gray, const SearchWindow &window, int threshold,
                     cv::Point centre, cv::Mat &mask);

} // namespace detection

#endif
