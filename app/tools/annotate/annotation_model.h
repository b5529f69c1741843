// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_MODEL_H
#define CORVANE_ANNOTATION_MODEL_H

// What is drawn on the annotation page, in scene coordinates: the frozen
// picture at the bottom (never erased), pen strokes made of straight
// segments, and texts. Strokes, erasing, placing or dragging a text and
// clearing are each one undo step: a stroke or an erase lasts from press to
// release, however many segments it touched. The page controller turns
// mouse positions into these calls; tests drive the model directly.
//
// Every item the model makes stays alive until reset() or destruction,
// on the page or off it (erased or undone), so undo steps may point at
// items freely; the scene owns only what is on it at reset.
//
// Thread rules: GUI thread only (a QGraphicsScene).

#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QUndoStack>

#include <memory>
#include <vector>

class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsTextItem;
class QPen;
class QPolygonF;

class AnnotationModel {
public:
    AnnotationModel();
    ~AnnotationModel();
    AnnotationModel(const AnnotationModel &) = delete;
    AnnotationModel &operator=(const AnnotationModel &) = delete;

    QGraphicsScene *scene() const { return scene_.get(); }
    QUndoStack &history() { return history_; }

    // Starts over with this picture at the scene's origin (an empty pixmap
    // leaves a page nothing can be drawn on); forgets every drawn item and
    // the history.
    void reset(const QPixmap &picture);
    QGraphicsPixmapItem *picture() const { return picture_; }
    bool pictureContains(const QPointF &scenePoint) const;

    // A stroke: the segments added between begin and end are one step.
    void beginStroke();
    QGraphicsLineItem *addSegment(const QPointF &from, const QPointF &to, const QPen &pen);

    // Erasing: every stroke segment and text that touches the area leaves
    // the page (the picture never does); one begin-to-end is one step.
    // Returns how many items went.
    void beginErase();
    int eraseIn(const QPolygonF &sceneArea);

    QGraphicsTextItem *placeText(const QString &text, const QPointF &position,
                                 const QFont &font, const QColor &colour);
    // The first text on the page, in placing order, that holds the point.
    QGraphicsTextItem *textAt(const QPointF &scenePoint) const;
    // Dragging a text: begin, any number of moves, end; one step.
    void beginDrag(QGraphicsTextItem *text);
    void dragBy(const QPointF &sceneDelta);
    QGraphicsTextItem *draggedText() const { return dragged_; }

    // Closes the open stroke, erase or drag as one undo step (nothing when
    // it changed nothing).
    void finishGesture();

    // Takes every stroke and text off the page, as one step.
    void clearDrawing();

    void undo();
    void redo();

    // What is drawn on the page, bottom to top (the picture not included).
    QList<QGraphicsItem *> drawnItems() const;
    // The texts on the page, in placing order.
    QList<QGraphicsTextItem *> texts() const;

private:
    enum class Gesture { None, Stroke, Erase, Drag };

    void adopt(QGraphicsItem *item);
    void forgetEverything();

    std::unique_ptr<QGraphicsScene> scene_;
    QUndoStack history_;
    QGraphicsPixmapItem *picture_ = nullptr;
    std::vector<QGraphicsItem *> made_;
    std::vector<QGraphicsTextItem *> textsInPlacingOrder_;
    qreal nextZ_ = 1;

    Gesture gesture_ = Gesture::None;
    QList<QGraphicsItem *> gestureItems_;
    QGraphicsTextItem *dragged_ = nullptr;
    QPointF dragStart_;
};

#endif
