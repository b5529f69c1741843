// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DOCUMENT_DESKEW_H
#define CORVANE_DOCUMENT_DESKEW_H

// Cut-outs of a found sheet, for photos in deskew mode and for
// corvane-scan. Both take the frame the outline was found in (same size),
// with any number of channels, and return an empty picture when the
// outline leaves nothing to cut.
//
// Thread rules: none (pure functions).

#include "imaging/detection/document_outline.h"

#include <opencv2/core/mat.hpp>
#include <opencv2/core/matx.hpp>

// What a deskewed photo shows: the frame turned by minus the sheet's tilt
// onto the straightened canvas (nearest neighbour, black where the turned
// frame does not reach) and cut to the outline's box, left..right by
// top..bottom. A sheet seen at a slant keeps its slant, and the box holds
// a little desk around it.
cv::Mat straightenedCutOut(const cv::Mat &frame, const DocumentOutline &outline);

// The sheet alone: the quadrilateral of the corners warped onto a
// rectangle as wide and as high as its longer opposite edges (linear
// interpolation), the same way up as straightenedCutOut.
cv::Mat perspectiveCutOut(const cv::Mat &frame, const DocumentOutline &outline);

// What perspectiveCutOut does to a frame of the given size: the cut-out's
// size and the homography from frame to cut-out coordinates, so that a
// reader of the cut-out can map its findings back onto the frame. False
// when the outline leaves nothing to cut.
bool perspectiveCutOutGeometry(cv::Size frame, const DocumentOutline &outline, cv::Size *size,
                               cv::Matx33d *frameToCut);

#endif
