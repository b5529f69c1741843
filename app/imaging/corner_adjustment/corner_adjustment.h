// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORNER_ADJUSTMENT_H
#define CORVANE_CORNER_ADJUSTMENT_H

// The four corners the person drags over a frozen picture when detection
// found no sheet or the wrong one, and the straightened cut-out they give.
//
// The corners start at the sheet the detector found last or, without one,
// at an inset of the picture. A dragged corner stays inside the picture and
// never makes the quadrilateral crossed, inside out or squashed: it goes as
// far towards the pointer as it can while the quadrilateral stays usable
// (corner_quad.h). Coordinates are those of the picture the corners are
// placed on (the frozen picture as shown); the cut-out may be taken from a
// larger picture of the same view (the camera's full resolution), onto
// which the corners are scaled.
//
// Thread rules: not thread-safe; one owner thread.

#include "imaging/corner_adjustment/corner_quad.h"
#include "imaging/detection/document_outline.h"

#include <opencv2/core/mat.hpp>

class CornerAdjustment {
public:
    // Inset of the starting corners from each edge, as a share of the side.
    static constexpr float kInset = 0.1f;

    // picture: the size of the picture the corners are placed on.
    explicit CornerAdjustment(cv::Size picture);

    // Corners at an inset of the picture.
    void startInset();
    // Corners of a found sheet, in the coordinates of a picture of size
    // `foundIn` (scaled onto this picture); an outline that is not usable
    // here gives the inset instead. Returns whether the sheet was taken.
    bool startFrom(const DocumentOutline &outline, cv::Size foundIn);

    const CornerQuad &corners() const { return quad_; }
    cv::Size picture() const { return picture_; }

    // The corner within `radius` of a point, the nearest if several; -1 for
    // none.
    int cornerAt(cv::Point2f point, float radius) const;

    // Moves a corner (CornerRole) towards `to`; returns where it went.
    cv::Point2f drag(int corner, cv::Point2f to);

    // The corners as an outline in a picture of size `target` (the frozen
    // picture itself or the full-resolution one), for perspectiveCutOut.
    DocumentOutline outlineFor(cv::Size target) const;

    // Size of the cut-out from a picture of size `target`; empty when the
    // corners leave nothing to cut.
    cv::Size cutOutSize(cv::Size target) const;

    // The sheet inside the corners, warped onto a rectangle as wide and as
    // high as its longer opposite edges, from `frame` of any size of this
    // view. Empty when there is nothing to cut.
    cv::Mat cutOut(const cv::Mat &frame) const;

    // Smallest edge, in picture pixels, the quadrilateral may have.
    float minEdge() const { return minEdge_; }

private:
    cv::Point2f clampToPicture(cv::Point2f p) const;

    cv::Size picture_;
    float minEdge_;
    CornerQuad quad_{};
};

#endif
