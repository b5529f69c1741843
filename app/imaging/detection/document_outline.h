// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DOCUMENT_OUTLINE_H
#define CORVANE_DOCUMENT_OUTLINE_H

// A sheet of paper found in a picture: what DocumentDetector reports and
// what the deskew cut-outs take.

#include <opencv2/core/types.hpp>

#include <array>

struct DocumentOutline {
    // Tilt in radians, -pi/4..pi/4: the slope of the sheet's pair of edges
    // nearest to horizontal, positive when they fall to the right (the sheet
    // is turned clockwise on screen).
    float angle = 0.0f;
    // Corners in the picture's own pixel coordinates, counter-clockwise on
    // screen by their angle around the corners' centre, starting at the
    // right (angle 0): an upright sheet gives top-right, top-left,
    // bottom-left, bottom-right.
    std::array<cv::Point, 4> corners{};
    // Bounding box of the corners after straightening (straightening.h), in
    // the straightened canvas: the smallest and the largest coordinates.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Results of DocumentDetector::detectDocument.
enum DetectResult : int {
    kDetectFound = 0,
    kDetectBadInput = 1,      // empty picture, no outline storage, not 8-bit with 1 or 3 channels
    kDetectOutOfMemory = -1,  // an intermediate picture or buffer could not be allocated
    kDetectNoSheet = 2,       // too dark, nothing bright, or corners closer than the minimum
    kDetectNoSeed = 3         // no seed pixel on the cross through the bright centre
};

#endif
