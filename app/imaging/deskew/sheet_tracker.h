// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SHEET_TRACKER_H
#define CORVANE_SHEET_TRACKER_H

// Deskew mode's memory of the sheet under the camera: the view transforms
// hand it every fifth live frame while deskew is on; it runs the document
// detector on the frame in grey and keeps the last sheet found. A frame
// without a sheet (too dark, nothing bright, a fragment) keeps the last
// one, so the outline does not flicker while a hand passes over the page.
//
// The sheet applies only to pictures of the view it was found under: after
// a turn, a mirror or a zoom its corners lie elsewhere, so it is neither
// drawn nor used for photos until the next detection (at most five frames
// later) finds it again.
//
// Thread rules: GUI thread only (it runs on the frame path).

#include "imaging/deskew/found_sheet.h"
#include "imaging/detection/document_detector.h"

#include <QImage>
#include <QRect>

#include <optional>

class QPainter;

class SheetTracker {
public:
    static constexpr int kOutlineWidth = 5;

    // `frame` is the current frame as shown, under `view`.
    void detect(const QImage &frame, const ViewState &view);
    // The detector's result for the last frame (DetectResult).
    int lastResult() const { return lastResult_; }
    int detections() const { return detections_; }

    // The last sheet found, when it was found under this view; else null.
    const FoundSheet *sheetFor(const ViewState &view) const;

    // Draws the sheet's outline in red over a picture of `picture`'s size
    // drawn into `target`, if a sheet applies to `view`.
    void paintOutline(QPainter &painter, const QRect &target, const QSize &picture,
                      const ViewState &view) const;

private:
    DocumentDetector detector_;
    std::optional<FoundSheet> sheet_;
    int lastResult_ = kDetectBadInput;
    int detections_ = 0;
};

#endif
