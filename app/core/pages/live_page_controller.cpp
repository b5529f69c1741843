// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pages/live_page_controller.h"

#include "core/live_view/picture_placement.h"
#include "imaging/transforms/view_transforms.h"

#include <QMouseEvent>
#include <QPainter>

LivePageController::LivePageController(ViewTransforms &view, const QRect &pictureArea)
    : view_(view), area_(pictureArea)
{
}

QRect LivePageController::targetFor(const QSize &picture) const
{
    const QRect target = pictureTargetRect(picture, area_.width(), area_.height());
    return target.isEmpty() ? target : target.translated(area_.left(), area_.top() - kTitleBarHeight);
}

void LivePageController::rotateLeft()
{
    view_.rotateLeft();
}

void LivePageController::rotateRight()
{
    view_.rotateRight();
}

void LivePageController::zoomIn()
{
    view_.zoomIn();
}

void LivePageController::zoomOut()
{
    view_.zoomOut();
}

void LivePageController::mirrorHorizontal()
{
    view_.toggleMirrorHorizontal();
}

void LivePageController::mirrorVertical()
{
    view_.toggleMirrorVertical();
}

void LivePageController::freeze()
{
    view_.toggleFreeze();
}

void LivePageController::mousePress(QMouseEvent *event)
{
    if (view_.cropOn() && event->button() == Qt::LeftButton)
        cropStart_ = event->pos();
}

void LivePageController::mouseMove(QMouseEvent *event)
{
    // Spanning the press point and the pointer whichever way the drag goes:
    // what is drawn is what a photo grabs.
    if (view_.cropOn() && (event->buttons() & Qt::LeftButton))
        view_.setCropRect(QRect(cropStart_, event->pos()).normalized());
}

void LivePageController::paint(QPainter &painter)
{
    const QImage picture = view_.pictureToShow();
    const QRect target = targetFor(picture.size());
    if (target.isEmpty())
        return;
    painter.drawImage(target.topLeft(),
                      scaled_.scaled(picture, target.size(), painter.device()->devicePixelRatioF()));
    if (!view_.freezeOn() && view_.deskewOn() && outlinePainter_)
        outlinePainter_(painter, target, picture.size());
    if (!view_.freezeOn() && view_.cropOn()) {
        const QRect crop = view_.cropRect();
        painter.drawRects(&crop, 1);
    }
    if (presentObserver_ && picture.cacheKey() != lastPresentedKey_) {
        lastPresentedKey_ = picture.cacheKey();
        presentObserver_(picture);
    }
}

void LivePageController::setPresentObserver(std::function<void(const QImage &)> observer)
{
    presentObserver_ = std::move(observer);
}
