// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/crop_grab_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect cropGrabArea(const QRect &cropRect)
{
    const QRect frame = cropRect.normalized();
    if (frame.width() < 2 || frame.height() < 2)
        return QRect();
    return QRect(frame.x() + 1, frame.y() + 1, frame.width() - 1, frame.height() - 1);
}

QPixmap grabScreenArea(const QWidget *window, const QRect &area)
{
    const QPoint global = window->mapToGlobal(area.topLeft());
    QScreen *screen = QGuiApplication::screenAt(global);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // grabWindow(0, ...) takes coordinates relative to that screen.
    const QPoint onScreen = global - screen->geometry().topLeft();
    return screen->grabWindow(0, onScreen.x(), onScreen.y(), area.width(), area.height());
}
