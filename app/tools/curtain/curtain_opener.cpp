// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/curtain/curtain_opener.h"

#include "tools/curtain/my_curtain_bar.h"

#include <QWindow>

CurtainOpener::CurtainOpener(QWidget *window, int screenWidth, int screenHeight)
    : window_(window), screenWidth_(screenWidth), screenHeight_(screenHeight)
{
}

CurtainOpener::~CurtainOpener() = default;

void CurtainOpener::open()
{
    curtain_.reset();
    curtain_ = std::make_unique<MyCurtainBar>(screenWidth_, screenHeight_);
    // Stay-on-top is only a hint to a window manager. Tied to the window
    // and raised, the curtain also covers it without one.
    curtain_->winId();
    if (QWindow *handle = curtain_->windowHandle())
        handle->setTransientParent(window_->windowHandle());
    curtain_->show();
    curtain_->raise();
    curtain_->activateWindow();
    curtain_->setFocus();
}
