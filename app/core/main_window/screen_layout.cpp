// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/screen_layout.h"

#include "core/live_view/picture_placement.h"

namespace {

QString sideButtonStyle(int radius)
{
    return QStringLiteral("QPushButton#btn_side{background-color: #ededed;border:1px solid #ededed;"
                          "border-radius:%1px;}QPushButton#btn_side:hover{background-color:#fff;}")
        .arg(radius);
}

} // namespace

bool isLargeScreen(int screenHeight)
{
    return screenHeight > 965;
}

SideButtonLayout sideButtonLayoutFor(int screenHeight)
{
    SideButtonLayout layout;
    if (isLargeScreen(screenHeight)) {
        layout.geometry = QRect(20, screenHeight - 140, 80, 80);
        layout.radius = 40;
    } else {
        layout.geometry = QRect(20, screenHeight - 100, 50, 50);
        layout.radius = 25;
    }
    layout.styleSheet = sideButtonStyle(layout.radius);
    return layout;
}

int toolBarWidth(int screenHeight)
{
    return isLargeScreen(screenHeight) ? 760 : 672;
}

PanelPlaces panelPlacesFor(int screenWidth, int screenHeight)
{
    const int viewHeight = screenHeight - kTitleBarHeight;
    const bool large = isLargeScreen(screenHeight);
    PanelPlaces places;
    const int toolBarLeft = (screenWidth - toolBarWidth(screenHeight)) / 2;
    places.toolBar = large ? QPoint(toolBarLeft, screenHeight - 140)
                           : QPoint(toolBarLeft, screenHeight - 120);
    places.sideBar = QPoint(20, viewHeight - 930 + (screenHeight < 966 ? 280 : 0));
    places.compareBar = QPoint((screenWidth - 812) / 2 + 420, screenHeight - 230);
    places.annotateBar = large ? QPoint((screenWidth - 812) / 2 + 92, screenHeight - 230)
                               : QPoint((screenWidth - 632) / 2 + 72, screenHeight - 200);
    return places;
}
