// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/page_capture_tool.h"

#include "tools/page_capture/my_page_capture_bar.h"

#include <QWidget>

PageCaptureTool::PageCaptureTool(QWidget *window, PageCaptureSession::Parts parts)
    : window_(window), session_(new PageCaptureSession(std::move(parts), this))
{
    connect(session_, &PageCaptureSession::progressed, this, &PageCaptureTool::update);
    connect(session_, &PageCaptureSession::ended, this, [this] {
        if (panel_)
            panel_->hide();
        emit ended();
    });
}

PageCaptureTool::~PageCaptureTool()
{
    delete panel_;
}

MyPageCaptureBar *PageCaptureTool::panel() const
{
    return panel_;
}

bool PageCaptureTool::switchOn(bool on, bool livePicture)
{
    if (!on) {
        session_->stop();
        return false;
    }
    if (!session_->start(livePicture)) {
        emit ended();
        return false;
    }
    showPanel();
    update();
    return true;
}

MyPageCaptureBar &PageCaptureTool::showPanel()
{
    if (!panel_) {
        panel_ = new MyPageCaptureBar(window_);
        connect(panel_, &MyPageCaptureBar::signals_sensitivity, session_,
                &PageCaptureSession::setSensitivity);
        connect(panel_, &MyPageCaptureBar::signals_finish, session_, &PageCaptureSession::finish);
        connect(panel_, &MyPageCaptureBar::signals_stop, session_, &PageCaptureSession::stop);
    }
    panel_->setSensitivity(session_->sensitivity());
    panel_->adjustSize();
    // At the top right of the window, clear of the side bar and the tool
    // bar, and of the sheet in the middle of the picture.
    if (window_) {
        const QRect area = window_->geometry();
        panel_->move(area.right() - panel_->width() - 40, area.top() + 60);
    }
    panel_->show();
    panel_->raise();
    return *panel_;
}

void PageCaptureTool::update()
{
    if (panel_)
        panel_->showProgress(session_->pages().size(), session_->hint());
}
