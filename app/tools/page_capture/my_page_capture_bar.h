// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_PAGE_CAPTURE_BAR_H
#define CORVANE_MY_PAGE_CAPTURE_BAR_H

// The small panel of hands-free page capture: how many pages were taken,
// what the watcher sees ("Turn the page", "Hold still…"), the sensitivity
// from "calm" to "keen", "Finish: make a PDF" and "Stop". It shows what the
// session tells it and forwards the person's choices; it decides nothing.
//
// Thread rules: GUI thread only. A tool window in front of the main window
// (its parent), kept for the life of the page capture tool.

#include "tools/page_capture/page_capture_session.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

class MyPageCaptureBar : public QDialog {
    Q_OBJECT

public:
    explicit MyPageCaptureBar(QWidget *parent = nullptr);

    void showProgress(int pages, PageCaptureSession::Hint hint);
    void setSensitivity(int level);

    QLabel *countLabel() const { return count_; }
    QLabel *hintLabel() const { return hint_; }
    QSlider *sensitivitySlider() const { return sensitivity_; }
    QPushButton *finishButton() const { return finish_; }
    QPushButton *stopButton() const { return stop_; }

    static QString hintText(PageCaptureSession::Hint hint);

signals:
    void signals_sensitivity(int level);
    void signals_finish();
    void signals_stop();

protected:
    void changeEvent(QEvent *event) override;
    // Esc stops rather than closing the panel with the watching still on.
    void reject() override;

private:
    void retranslate();

    QLabel *title_;
    QLabel *count_;
    QLabel *hint_;
    QLabel *sensitivityLabel_;
    QSlider *sensitivity_;
    QPushButton *finish_;
    QPushButton *stop_;
    int pages_ = 0;
    PageCaptureSession::Hint shownHint_ = PageCaptureSession::Hint::Waiting;
};

#endif
