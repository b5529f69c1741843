// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/deskew/sheet_tracker.h"

#include "imaging/transforms/gray_from_image.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

void SheetTracker::detect(const QImage &frame, const ViewState &view)
{
    ++detections_;
    const cv::Mat grey = grayFromImage(frame);
    DocumentOutline outline;
    lastResult_ = detector_.detectDocument(grey, &outline);
    if (lastResult_ == kDetectFound)
        sheet_ = FoundSheet{outline, frame.size(), view};
}

const FoundSheet *SheetTracker::sheetFor(const ViewState &view) const
{
    return sheet_ && sheet_->view == view ? &*sheet_ : nullptr;
}

void SheetTracker::paintOutline(QPainter &painter, const QRect &target, const QSize &picture,
                                const ViewState &view) const
{
    const FoundSheet *sheet = sheetFor(view);
    if (!sheet || picture.isEmpty() || target.isEmpty())
        return;
    // Corners are in the frame's pixels; the frame the screen shows may
    // have been decoded at another scale since, and is drawn scaled.
    const double sx = double(target.width()) / sheet->frameSize.width();
    const double sy = double(target.height()) / sheet->frameSize.height();
    QPolygonF outline;
    for (const cv::Point &corner : sheet->outline.corners)
        outline << QPointF(target.left() + (corner.x + 0.5) * sx, target.top() + (corner.y + 0.5) * sy);
    painter.save();
    painter.setPen(QPen(Qt::red, kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    painter.restore();
}
