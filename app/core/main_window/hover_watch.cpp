// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/hover_watch.h"

#include "core/main_window/hover_tip.h"

#include <QEvent>
#include <QWidget>

HoverWatch::HoverWatch(HoverTip &caption, Entered entered, QObject *parent)
    : QObject(parent), caption_(caption), entered_(std::move(entered))
{
}

void HoverWatch::watch(QWidget *widget, int index)
{
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
    indexes_.insert(widget, index);
}

bool HoverWatch::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = indexes_.constFind(watched);
    if (found == indexes_.constEnd())
        return false;
    switch (event->type()) {
    case QEvent::HoverEnter:
        entered_(found.value());
        break;
    case QEvent::HoverLeave:
        caption_.hide();
        break;
    case QEvent::ToolTip:
        return swallowToolTips_;
    default:
        break;
    }
    return false;
}
