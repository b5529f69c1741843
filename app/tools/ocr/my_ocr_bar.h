// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_OCR_BAR_H
#define CORVANE_MY_OCR_BAR_H

// The panel that shows the text read from the picture: selectable text, the
// language to read in (the installed ones), "Read again", "Copy" and "Save
// as text…". It shows what the OCR tool hands it and says where things
// stand in a line under the text; it recognises nothing itself.
//
// Thread rules: GUI thread only. A tool window in front of the main window
// (its parent), kept for the life of the OCR tool.

#include "tools/ocr/text_file_saver.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class MyOcrBar : public QDialog {
    Q_OBJECT

public:
    explicit MyOcrBar(QWidget *parent = nullptr);

    void showText(const QString &text, const QString &note);
    // While busy the text stays and "Read again" waits.
    void setBusy(bool busy, const QString &note);
    void setNote(const QString &note);
    QString text() const;
    QString note() const;
    QString language() const; // the code chosen in the list; empty when none is installed

    void setSaver(const TextFileSaver &saver) { saver_ = saver; }
    // Where "Save as text…" proposes to save: a new name by date and time
    // in the documents folder (the home folder when there is none).
    static QString suggestedFile();

    QPlainTextEdit *textView() const { return text_; }
    QComboBox *languageList() const { return languages_; }
    QPushButton *againButton() const { return again_; }
    QPushButton *copyButton() const { return copy_; }
    QPushButton *saveButton() const { return save_; }

signals:
    // Read the same picture again in this language.
    void signals_again(QString language);

public slots:
    void slots_copy();
    void slots_save();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillLanguages();
    void retranslate();

    QPlainTextEdit *text_;
    QLabel *note_;
    QComboBox *languages_;
    QPushButton *again_;
    QPushButton *copy_;
    QPushButton *save_;
    TextFileSaver saver_;
};

#endif
