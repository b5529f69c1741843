// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/ocr_tool.h"

#include "core/main_window/status_banner.h"
#include "tools/ocr/my_ocr_bar.h"
#include "tools/ocr/ocr_language_choice.h"
#include "tools/ocr/ocr_session.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QApplication>
#include <QClipboard>
#include <QWidget>

OcrTool::OcrTool(QWidget *window, MyToolBar *toolBar, StatusBanner *banner)
    : window_(window), toolBar_(toolBar), banner_(banner), session_(new OcrSession(this))
{
    connect(session_, &OcrSession::finished, this, &OcrTool::finish);
}

OcrTool::~OcrTool()
{
    delete panel_.data();
}

MyOcrBar *OcrTool::panel() const
{
    return panel_.data();
}

void OcrTool::recognise(const QImage &picture)
{
    if (session_->busy()) {
        banner_->showNote(tr("Still recognising the text of the last picture…"));
        return;
    }
    if (picture.isNull()) {
        banner_->showFail(tr("There is no picture to read yet."));
        return;
    }
    const QString language = panel_ ? panel_->language() : ocrchoice::chosenLanguage();
    start(picture, language);
}

void OcrTool::start(const QImage &picture, const QString &language)
{
    if (language.isEmpty()) {
        banner_->showFail(tr("No language for text recognition is installed "
                        "(Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...)."));
        return;
    }
    if (!session_->start(picture, language))
        return;
    lastPicture_ = picture;
    toolBar_->setBusy(MyToolBar::Ocr, true);
    banner_->showNote(tr("Recognising text…"));
    if (panel_)
        panel_->setBusy(true, tr("Recognising text…"));
}

MyOcrBar &OcrTool::showPanel()
{
    if (!panel_) {
        panel_ = new MyOcrBar(window_);
        // At the right edge, so the picture it was read from stays in view.
        const QRect area = window_->geometry();
        panel_->move(area.right() - panel_->width() - 40, area.top() + 80);
        connect(panel_, &MyOcrBar::signals_again, this, [this](const QString &language) {
            if (!session_->busy() && !lastPicture_.isNull())
                start(lastPicture_, language);
        });
    }
    panel_->show();
    // Without a window manager the panel must still not open behind the
    // full-screen window.
    panel_->raise();
    panel_->activateWindow();
    return *panel_;
}

void OcrTool::finish(const OcrOutcome &outcome)
{
    toolBar_->setBusy(MyToolBar::Ocr, false);
    const QString seconds = QString::number(outcome.milliseconds / 1000.0, 'f', 1);
    switch (outcome.outcome) {
    case RecognizedText::Outcome::Read:
        QApplication::clipboard()->setText(outcome.text);
        showPanel().showText(outcome.text, tr("Read in %1 in %2 s; the text is on the clipboard.")
                                               .arg(ocrchoice::displayName(outcome.language), seconds));
        banner_->showOk(tr("Text recognised and copied to the clipboard."));
        break;
    case RecognizedText::Outcome::NoText:
        showPanel().showText(QString(), tr("No text was found in the picture (language: %1).")
                                            .arg(ocrchoice::displayName(outcome.language)));
        banner_->showFail(tr("No text was found in the picture."));
        break;
    case RecognizedText::Outcome::NoLanguage:
        if (panel_)
            panel_->setBusy(false, QString());
        banner_->showFail(tr("The trained data for %1 could not be loaded.")
                         .arg(ocrchoice::displayName(outcome.language)));
        break;
    case RecognizedText::Outcome::BadPicture:
        if (panel_)
            panel_->setBusy(false, QString());
        banner_->showFail(tr("There is no picture to read yet."));
        break;
    case RecognizedText::Outcome::Cancelled:
        if (panel_)
            panel_->setBusy(false, QString());
        break;
    }
}
