// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_TOOL_H
#define CORVANE_OCR_TOOL_H

// The main window's OCR button: reads the text of the current picture off
// the GUI thread (OcrSession) while the live view goes on. Meanwhile the
// button shows it is busy and the banner says "Recognising text…"; a second
// press waits for the first. The text read goes to the clipboard and into
// the text panel (MyOcrBar), from which it can be copied, saved, or read
// again in another language; no text, or no installed language, is said
// in the banner.
//
// Thread rules: GUI thread only. The tool owns its session (and through it
// the worker thread) and its panel; the window owns the tool.

#include "tools/ocr/ocr_outcome.h"

#include <QImage>
#include <QObject>
#include <QPointer>

class MyOcrBar;
class MyToolBar;
class OcrSession;
class QWidget;
class StatusBanner;

class OcrTool : public QObject {
    Q_OBJECT

public:
    // The panel opens in front of `window`; outcomes are said in `banner`.
    OcrTool(QWidget *window, MyToolBar *toolBar, StatusBanner *banner);
    ~OcrTool() override;

    // Reads the picture; refused (and said so) while a reading runs.
    void recognise(const QImage &picture);

    OcrSession &session() const { return *session_; }
    MyOcrBar *panel() const; // null until the first text is shown

private:
    void start(const QImage &picture, const QString &language);
    void finish(const OcrOutcome &outcome);
    MyOcrBar &showPanel();

    QWidget *window_;
    MyToolBar *toolBar_;
    StatusBanner *banner_;
    OcrSession *session_;
    QPointer<MyOcrBar> panel_;
    QImage lastPicture_; // for "Read again"
};

#endif
