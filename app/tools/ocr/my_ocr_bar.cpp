// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/my_ocr_bar.h"

#include "core/main_window/message_box_presenter.h"
#include "core/startup/process_values.h"
#include "tools/ocr/ocr_language_choice.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

MyOcrBar::MyOcrBar(QWidget *parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(this)),
      note_(new QLabel(this)),
      languages_(new QComboBox(this)),
      again_(new QPushButton(this)),
      copy_(new QPushButton(this)),
      save_(new QPushButton(this))
{
    setObjectName(QStringLiteral("MyOcrBar"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    resize(560, 420);
    text_->setObjectName(QStringLiteral("text_read"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    languages_->setObjectName(QStringLiteral("combo_language"));
    again_->setObjectName(QStringLiteral("btn_again"));
    copy_->setObjectName(QStringLiteral("btn_copy"));
    save_->setObjectName(QStringLiteral("btn_save"));
    note_->setWordWrap(true);
    // Return in the text must not press a button.
    for (QPushButton *button : {again_, copy_, save_})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(languages_);
    buttons->addWidget(again_);
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);

    fillLanguages();
    retranslate();
    connect(languages_, QOverload<int>::of(&QComboBox::activated), this,
            [this] { ocrchoice::rememberLanguage(language()); });
    connect(again_, &QPushButton::clicked, this, [this] { emit signals_again(language()); });
    connect(copy_, SIGNAL(clicked()), this, SLOT(slots_copy()));
    connect(save_, SIGNAL(clicked()), this, SLOT(slots_save()));
}

void MyOcrBar::fillLanguages()
{
    const QString chosen = ocrchoice::chosenLanguage();
    for (const QString &code : ocrchoice::installedLanguages()) {
        languages_->addItem(ocrchoice::displayName(code), code);
        if (code == chosen)
            languages_->setCurrentIndex(languages_->count() - 1);
    }
    languages_->setEnabled(languages_->count() > 1);
}

void MyOcrBar::retranslate()
{
    setWindowTitle(tr("Text recognition"));
    again_->setText(tr("Read again"));
    copy_->setText(tr("Copy"));
    save_->setText(tr("Save as text…"));
    languages_->setToolTip(tr("Language of the text"));
}

void MyOcrBar::showText(const QString &text, const QString &note)
{
    text_->setPlainText(text);
    setNote(note);
    again_->setEnabled(true);
    copy_->setEnabled(!text.isEmpty());
    save_->setEnabled(!text.isEmpty());
}

void MyOcrBar::setBusy(bool busy, const QString &note)
{
    again_->setEnabled(!busy);
    setNote(note);
}

void MyOcrBar::setNote(const QString &note)
{
    note_->setText(note);
}

QString MyOcrBar::text() const
{
    return text_->toPlainText();
}

QString MyOcrBar::note() const
{
    return note_->text();
}

QString MyOcrBar::language() const
{
    return languages_->currentData().toString();
}

void MyOcrBar::slots_copy()
{
    // The selection when there is one, else everything.
    const QString selected = text_->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                                          QLatin1Char('\n'));
    QApplication::clipboard()->setText(selected.isEmpty() ? text() : selected);
    setNote(selected.isEmpty() ? tr("The text is on the clipboard.")
                               : tr("The selected text is on the clipboard."));
}

QString MyOcrBar::suggestedFile()
{
    // The documents folder when there is one; the dialog would otherwise
    // take a missing folder's name for the file name.
    QString folder = processValues().documentsDir;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder + QStringLiteral("/text-")
           + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))
           + QStringLiteral(".txt");
}

void MyOcrBar::slots_save()
{
    const TextFileSaver::Result result = saver_.save(this, text(), suggestedFile());
    switch (result.status) {
    case TextFileSaver::Result::Saved:
        setNote(tr("Saved as %1").arg(QDir::toNativeSeparators(result.path)));
        break;
    case TextFileSaver::Result::Failed:
        setNote(result.reason);
        MessageBoxPresenter::warning(this, windowTitle(), result.reason);
        break;
    case TextFileSaver::Result::Cancelled:
        break;
    }
}

void MyOcrBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
