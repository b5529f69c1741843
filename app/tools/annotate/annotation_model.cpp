// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_model.h"

#include "tools/annotate/annotation_commands.h"

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QPolygonF>

AnnotationModel::AnnotationModel() : scene_(std::make_unique<QGraphicsScene>())
{
    scene_->setBackgroundBrush(Qt::transparent);
    reset(QPixmap());
}

AnnotationModel::~AnnotationModel()
{
    forgetEverything();
}

void AnnotationModel::forgetEverything()
{
    gesture_ = Gesture::None;
    gestureItems_.clear();
    dragged_ = nullptr;
    history_.clear();
    // Items off the page belong to nobody else; those on it go with the
    // scene's clear.
    for (QGraphicsItem *item : made_)
        if (item->scene() != scene_.get())
            delete item;
    made_.clear();
    textsInPlacingOrder_.clear();
    scene_->clear();
    picture_ = nullptr;
}

void AnnotationModel::reset(const QPixmap &picture)
{
    forgetEverything();
    picture_ = scene_->addPixmap(picture);
    picture_->setPos(0, 0);
    picture_->setZValue(0);
    // The page shows the picture; a text placed beside it must not grow the
    // scene and shift the picture in the view.
    scene_->setSceneRect(QRectF(QPointF(0, 0), picture.size()));
    nextZ_ = 1;
}

bool AnnotationModel::pictureContains(const QPointF &scenePoint) const
{
    return !picture_->pixmap().isNull() && picture_->contains(picture_->mapFromScene(scenePoint));
}

void AnnotationModel::adopt(QGraphicsItem *item)
{
    // Rising stacking values keep the order when an undo puts items back.
    item->setZValue(nextZ_++);
    made_.push_back(item);
}

void AnnotationModel::beginStroke()
{
    finishGesture();
    gesture_ = Gesture::Stroke;
}

QGraphicsLineItem *AnnotationModel::addSegment(const QPointF &from, const QPointF &to,
                                               const QPen &pen)
{
    QGraphicsLineItem *segment = scene_->addLine(QLineF(from, to), pen);
    adopt(segment);
    if (gesture_ == Gesture::Stroke)
        gestureItems_ << segment;
    else
        history_.push(new ItemPresenceCommand(scene_.get(), {segment}, true,
                                              QStringLiteral("stroke")));
    return segment;
}

void AnnotationModel::beginErase()
{
    finishGesture();
    gesture_ = Gesture::Erase;
}

int AnnotationModel::eraseIn(const QPolygonF &sceneArea)
{
    QList<QGraphicsItem *> erased;
    for (QGraphicsItem *item :
         scene_->items(sceneArea, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        if (item == picture_)
            continue;
        scene_->removeItem(item);
        erased << item;
    }
    if (erased.isEmpty())
        return 0;
    if (gesture_ == Gesture::Erase)
        gestureItems_ << erased;
    else
        history_.push(new ItemPresenceCommand(scene_.get(), erased, false,
                                              QStringLiteral("erase")));
    return erased.size();
}

QGraphicsTextItem *AnnotationModel::placeText(const QString &text, const QPointF &position,
                                              const QFont &font, const QColor &colour)
{
    finishGesture();
    QGraphicsTextItem *item = scene_->addText(text, font);
    item->setDefaultTextColor(colour);
    item->setPos(position);
    adopt(item);
    textsInPlacingOrder_.push_back(item);
    history_.push(new ItemPresenceCommand(scene_.get(), {item}, true, QStringLiteral("text")));
    return item;
}

QGraphicsTextItem *AnnotationModel::textAt(const QPointF &scenePoint) const
{
    for (QGraphicsTextItem *text : textsInPlacingOrder_)
        if (text->scene() == scene_.get() && text->contains(text->mapFromScene(scenePoint)))
            return text;
    return nullptr;
}

void AnnotationModel::beginDrag(QGraphicsTextItem *text)
{
    finishGesture();
    gesture_ = Gesture::Drag;
    dragged_ = text;
    dragStart_ = text->pos();
}

void AnnotationModel::dragBy(const QPointF &sceneDelta)
{
    if (gesture_ == Gesture::Drag && dragged_)
        dragged_->moveBy(sceneDelta.x(), sceneDelta.y());
}

void AnnotationModel::finishGesture()
{
    switch (gesture_) {
    case Gesture::Stroke:
        if (!gestureItems_.isEmpty())
            history_.push(new ItemPresenceCommand(scene_.get(), gestureItems_, true,
                                                  QStringLiteral("stroke")));
        break;
    case Gesture::Erase:
        if (!gestureItems_.isEmpty())
            history_.push(new ItemPresenceCommand(scene_.get(), gestureItems_, false,
                                                  QStringLiteral("erase")));
        break;
    case Gesture::Drag:
        if (dragged_ && dragged_->pos() != dragStart_)
            history_.push(new MoveItemCommand(dragged_, dragStart_, dragged_->pos()));
        break;
    case Gesture::None:
        break;
    }
    gesture_ = Gesture::None;
    gestureItems_.clear();
    dragged_ = nullptr;
}

void AnnotationModel::clearDrawing()
{
    finishGesture();
    const QList<QGraphicsItem *> drawn = drawnItems();
    if (drawn.isEmpty())
        return;
    for (QGraphicsItem *item : drawn)
        scene_->removeItem(item);
    history_.push(new ItemPresenceCommand(scene_.get(), drawn, false, QStringLiteral("clear")));
}

void AnnotationModel::undo()
{
    finishGesture();
    history_.undo();
}

void AnnotationModel::redo()
{
    finishGesture();
    history_.redo();
}

QList<QGraphicsItem *> AnnotationModel::drawnItems() const
{
    QList<QGraphicsItem *> drawn = scene_->items(Qt::AscendingOrder);
    drawn.removeOne(picture_);
    return drawn;
}

QList<QGraphicsTextItem *> AnnotationModel::texts() const
{
    QList<QGraphicsTextItem *> onPage;
    for (QGraphicsTextItem *text : textsInPlacingOrder_)
        if (text->scene() == scene_.get())
            onPage << text;
    return onPage;
}
