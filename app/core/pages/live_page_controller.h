// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_PAGE_CONTROLLER_H
#define CORVANE_LIVE_PAGE_CONTROLLER_H

// The live page (stacked page 0): the side bar's rotate, mirror, zoom and
// freeze act on the view transforms; a drag with the left button draws the
// crop rectangle while crop is on; the paint shows the picture the
// transforms choose (freeze still, held picture or current frame) filling
// the height of the picture area, centred, the sheet's outline while deskew
// is on and the crop rectangle.
//
// Thread rules: GUI thread only. The transforms belong to the window and
// outlive this controller.

#include "core/live_view/scaled_frame_cache.h"
#include "core/pages/page_controller.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

class ViewTransforms;

class LivePageController : public PageController {
public:
    // `pictureArea`: where the picture goes, in window coordinates (below
    // the title bar, or the whole screen in full-screen mode).
    LivePageController(ViewTransforms &view, const QRect &pictureArea);

    void setPictureArea(const QRect &area) { area_ = area; }
    const QRect &pictureArea() const { return area_; }
    // Where a picture of this size is drawn: full height of the area, the
    // width kept in proportion, centred (and cut at both sides when wider).
    QRect targetFor(const QSize &picture) const;

    void rotateLeft() override;
    void rotateRight() override;
    void zoomIn() override;
    void zoomOut() override;
    void mirrorHorizontal() override;
    void mirrorVertical() override;
    void freeze() override;

    void mousePress(QMouseEvent *event) override;
    void mouseMove(QMouseEvent *event) override;

    void paint(QPainter &painter) override;

    // Draws the found sheet's outline over the live picture while deskew is
    // on and the view is not frozen: given the painter, where the picture
    // is drawn and the picture's own size.
    using OutlinePainter = std::function<void(QPainter &, const QRect &target, const QSize &picture)>;
    void setOutlinePainter(OutlinePainter painter) { outlinePainter_ = std::move(painter); }

    // Called with each picture the first time it is painted (measurements).
    void setPresentObserver(std::function<void(const QImage &)> observer);
    int rescaleCount() const { return scaled_.rescaleCount(); }

private:
    ViewTransforms &view_;
    QRect area_;
    QPoint cropStart_;
    ScaledFrameCache scaled_;
    qint64 lastPresentedKey_ = -1;
    std::function<void(const QImage &)> presentObserver_;
    OutlinePainter outlinePainter_;
};

#endif
