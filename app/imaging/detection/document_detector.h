// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DOCUMENT_DETECTOR_H
#define CORVANE_DOCUMENT_DETECTOR_H

// Finds a bright sheet of paper lying on a darker desk.
//
// The picture is reduced (by 4 from 2048 pixels on a side, by 2 from 1601),
// locally bright pixels are lifted to white, the darkest bands near the four
// edges bound a search window, Otsu's threshold separates paper from desk,
// and the paper region is grown from seeds on a cross through the centre of
// the bright pixels. The region's outline gives four corners (the minimum
// area rectangle of its largest contour that does not touch the border, or
// else its extreme boundary points), the tilt, and the bounding box after
// straightening; everything is mapped back to full size.
//
// Thread rules: none. The detector holds no state, so one instance may be
// used from any thread, one call at a time or several at once.

#include "imaging/detection/document_outline.h"

#include <opencv2/core/mat.hpp>

class DocumentDetector {
public:
    // A sheet with any two corners closer than this (full-size pixels) is
    // refused: a card far from the camera, or a fragment.
    static constexpr int kMinCornerDistance = 128;

    // image: 8-bit, 1 channel (the application's grey frame) or 3 channels
    // (the brightest channel is used). Returns a DetectResult; the outline
    // is written only on kDetectFound.
    int detectDocument(const cv::Mat &image, DocumentOutline *outline) const;

private:
    int detect(const cv::Mat &image, DocumentOutline &outline) const;
};

#endif
