// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_SHEET_PICTURE_H
#define CORVANE_TEST_SHEET_PICTURE_H

// Camera-like test pictures: a desk of one colour with a little noise and a
// white sheet with lines of print, turned and optionally seen at a slant.

#include <opencv2/core.hpp>

#include <array>

struct SheetPicture {
    cv::Mat picture;                    // BGR
    std::array<cv::Point2f, 4> corners; // top-left, top-right, bottom-right, bottom-left of the sheet
};

struct SheetPlacement {
    cv::Size frame{1280, 720};
    cv::Size sheet{400, 560};        // width x height before turning
    cv::Point2f centre{640, 360};
    double degrees = 0;              // clockwise on screen
    double slant = 0;                // 0.1: the top edge 10 % narrower (a camera not straight above)
    cv::Scalar desk{60, 100, 150};   // BGR
};

SheetPicture renderSheet(const SheetPlacement &placement);

#endif
