// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/full_screen_mode.h"

#include "core/live_view/picture_placement.h"

#include <QWidget>

FullScreenMode::FullScreenMode(Parts parts, int screenWidth, int screenHeight)
    : parts_(std::move(parts)), screenWidth_(screenWidth), screenHeight_(screenHeight)
{
}

QRect FullScreenMode::pictureArea() const
{
    return on_ ? QRect(0, 0, screenWidth_, screenHeight_)
               : QRect(0, kTitleBarHeight, screenWidth_, screenHeight_ - kTitleBarHeight);
}

bool FullScreenMode::toggle()
{
    on_ = !on_;
    if (on_) {
        panelsWereShown_ = parts_.panelsShown();
        buttonWasShown_ = !parts_.panelButton->isHidden();
        if (panelsWereShown_)
            parts_.togglePanels();
        parts_.panelButton->hide();
        parts_.titleBar->hide();
    } else {
        parts_.titleBar->show();
        if (buttonWasShown_)
            parts_.panelButton->show();
        if (panelsWereShown_ && !parts_.panelsShown())
            parts_.togglePanels();
    }
    parts_.pageArea->setGeometry(pictureArea());
    return on_;
}
