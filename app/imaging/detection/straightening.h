// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_STRAIGHTENING_H
#define CORVANE_STRAIGHTENING_H

// The straightened frame: the picture turned by minus the sheet's tilt
// about its centre, on the smallest canvas that holds the whole turned
// picture, with the picture's centre in the canvas's middle. The detector
// reports the sheet's bounding box in this canvas and the deskew cut-out
// turns the picture onto it, so both use this one definition.

#include <opencv2/core/matx.hpp>
#include <opencv2/core/types.hpp>

#include <array>

namespace detection {

// int(|W cos a| + |H sin a|) by int(|W sin a| + |H cos a|).
cv::Size straightenedCanvas(cv::Size frame, float angle);

// Maps frame coordinates to canvas coordinates: (x', y') = M (x, y, 1).
cv::Matx23d straighteningTransform(cv::Size frame, float angle);

// The box around the corners in the canvas, each mapped coordinate
// truncated toward zero: the smallest and the largest x and y.
struct StraightenedBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
StraightenedBox straightenedBox(cv::Size frame, float angle, const std::array<cv::Point, 4> &corners);

} // namespace detection

#endif
