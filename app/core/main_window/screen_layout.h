// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCREEN_LAYOUT_H
#define CORVANE_SCREEN_LAYOUT_H

// The main window's size-dependent places: a large layout when the available
// desktop height exceeds 965 pixels, a small one otherwise. The floating
// panels are placed in screen coordinates (the window covers the screen from
// the origin).
//
// Pure arithmetic, no thread rules.

#include <QPoint>
#include <QRect>
#include <QString>

struct SideButtonLayout {
    QRect geometry;
    int radius = 0;       // of the circular mask and the style's border-radius
    QString styleSheet;
};

struct PanelPlaces {
    QPoint toolBar;
    QPoint sideBar;
    QPoint compareBar;
    QPoint annotateBar;
};

bool isLargeScreen(int screenHeight);
// The tool bar's width: room for its eleven buttons at 60 pixels on a
// large screen, 52 on a small one.
int toolBarWidth(int screenHeight);
SideButtonLayout sideButtonLayoutFor(int screenHeight);
PanelPlaces panelPlacesFor(int screenWidth, int screenHeight);

#endif
