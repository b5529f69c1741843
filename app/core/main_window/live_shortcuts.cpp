// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/live_shortcuts.h"

#include <QShortcut>
#include <QWidget>

QList<QKeySequence> LiveShortcuts::keysFor(Action action)
{
    switch (action) {
    case RotateLeft:
        return {QKeySequence(Qt::CTRL + Qt::Key_Left)};
    case RotateRight:
        return {QKeySequence(Qt::CTRL + Qt::Key_Right)};
    case MirrorLeftRight:
        return {QKeySequence(Qt::CTRL + Qt::Key_H)};
    case MirrorTopBottom:
        return {QKeySequence(Qt::CTRL + Qt::Key_U)};
    case ZoomIn:
        // Ctrl and "+" takes Shift on most keyboards; "=" is the same key.
        return {QKeySequence(Qt::CTRL + Qt::Key_Plus), QKeySequence(Qt::CTRL + Qt::Key_Equal)};
    case ZoomOut:
        return {QKeySequence(Qt::CTRL + Qt::Key_Minus)};
    case Freeze:
        return {QKeySequence(Qt::CTRL + Qt::Key_F)};
    case Photo:
        return {QKeySequence(Qt::CTRL + Qt::Key_S)};
    case Panels:
        return {QKeySequence(Qt::CTRL + Qt::Key_B)};
    case FullScreen:
        return {QKeySequence(Qt::Key_F11)};
    }
    return {};
}

LiveShortcuts::LiveShortcuts(QWidget *window) : QObject(window)
{
    for (int i = 0; i < kActionCount; ++i) {
        for (const QKeySequence &keys : keysFor(Action(i))) {
            auto *shortcut = new QShortcut(keys, window);
            shortcut->setContext(Qt::ApplicationShortcut);
            shortcut->setAutoRepeat(i == ZoomIn || i == ZoomOut);
            shortcut->setEnabled(false);
            connect(shortcut, &QShortcut::activated, this, [this, i] {
                if (runs_[size_t(i)])
                    runs_[size_t(i)]();
            });
            shortcuts_[size_t(i)] << shortcut;
        }
    }
}

void LiveShortcuts::bind(Action action, std::function<void()> run)
{
    runs_[size_t(action)] = std::move(run);
}

void LiveShortcuts::setEnabled(bool on)
{
    enabled_ = on;
    for (const QList<QShortcut *> &list : shortcuts_)
        for (QShortcut *shortcut : list)
            shortcut->setEnabled(on);
}
