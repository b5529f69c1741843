// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_commands.h"

#include <QGraphicsItem>
#include <QGraphicsScene>

ItemPresenceCommand::ItemPresenceCommand(QGraphicsScene *scene, QList<QGraphicsItem *> items,
                                         bool onPageAfter, const QString &text)
    : QUndoCommand(text), scene_(scene), items_(std::move(items)), onPageAfter_(onPageAfter)
{
}

void ItemPresenceCommand::put(bool onPage)
{
    for (QGraphicsItem *item : items_) {
        if (onPage && item->scene() != scene_)
            scene_->addItem(item);
        else if (!onPage && item->scene() == scene_)
            scene_->removeItem(item);
    }
}

void ItemPresenceCommand::redo()
{
    if (skipFirstRedo_) {
        skipFirstRedo_ = false;
        return;
    }
    put(onPageAfter_);
}

void ItemPresenceCommand::undo()
{
    put(!onPageAfter_);
}

MoveItemCommand::MoveItemCommand(QGraphicsItem *item, const QPointF &from, const QPointF &to)
    : QUndoCommand(QStringLiteral("move text")), item_(item), from_(from), to_(to)
{
}

void MoveItemCommand::redo()
{
    if (skipFirstRedo_) {
        skipFirstRedo_ = false;
        return;
    }
    item_->setPos(to_);
}

void MoveItemCommand::undo()
{
    item_->setPos(from_);
}
