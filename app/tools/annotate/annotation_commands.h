// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_COMMANDS_H
#define CORVANE_ANNOTATION_COMMANDS_H

// The undo steps of an annotation. Each is pushed after its change was
// already made on the page (a stroke while it was drawn, an erase while the
// eraser moved), so the first redo() that QUndoStack calls on push does
// nothing; later ones make the change again.
//
// The steps only point at the items; the annotation model keeps every item
// it made alive until it starts over, whether the item is on the page or
// not.
//
// Thread rules: GUI thread only.

#include <QList>
#include <QPointF>
#include <QUndoCommand>

class QGraphicsItem;
class QGraphicsScene;

// Items put on the page (a stroke, a text) or taken off it (an erase, a
// clear).
class ItemPresenceCommand : public QUndoCommand {
public:
    ItemPresenceCommand(QGraphicsScene *scene, QList<QGraphicsItem *> items, bool onPageAfter,
                        const QString &text);

    void redo() override;
    void undo() override;

private:
    void put(bool onPage);

    QGraphicsScene *scene_;
    QList<QGraphicsItem *> items_;
    bool onPageAfter_;
    bool skipFirstRedo_ = true;
};

// A text dragged to a new place.
class MoveItemCommand : public QUndoCommand {
public:
    MoveItemCommand(QGraphicsItem *item, const QPointF &from, const QPointF &to);

    void redo() override;
    void undo() override;

private:
    QGraphicsItem *item_;
    QPointF from_;
    QPointF to_;
    bool skipFirstRedo_ = true;
};

#endif
