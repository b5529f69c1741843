// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_CAPTURE_TOOL_H
#define CORVANE_PAGE_CAPTURE_TOOL_H

// The main window's hands-free page capture: the session and its panel.
// switchOn(true) starts watching and shows the panel beside the picture
// (refused, and said, without a live picture); the panel's "Stop", Esc or a
// second press of the mode's button ends it, keeping the photos; "Finish:
// make a PDF" ends it and opens the PDF composer with the photos in order. When
// the mode ends by the panel, or a start is refused, `ended` lets the
// window release the mode's button.
//
// Thread rules: GUI thread only. The tool owns the session and the panel;
// the window owns the tool.

#include "tools/page_capture/page_capture_session.h"

#include <QObject>
#include <QPointer>

class MyPageCaptureBar;
class QWidget;

class PageCaptureTool : public QObject {
    Q_OBJECT

public:
    // The panel opens in front of `window`.
    PageCaptureTool(QWidget *window, PageCaptureSession::Parts parts);
    ~PageCaptureTool() override;

    // Returns whether the mode is on afterwards.
    bool switchOn(bool on, bool livePicture);
    void frameArrived(const QImage &frame) { session_->frameArrived(frame); }

    PageCaptureSession &session() const { return *session_; }
    MyPageCaptureBar *panel() const; // null until first switched on

signals:
    void ended();

private:
    MyPageCaptureBar &showPanel();
    void update();

    QWidget *window_;
    PageCaptureSession *session_;
    QPointer<MyPageCaptureBar> panel_;
};

#endif
