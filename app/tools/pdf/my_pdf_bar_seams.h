// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_PDF_BAR_SEAMS_H
#define CORVANE_MY_PDF_BAR_SEAMS_H

// What the PDF composer asks the person through windows of the system: the
// pictures to add, the file to write and whether to replace a file. The
// defaults are Qt's file dialogs and message box; tests replace them so no
// dialog waits for a person.
//
// Thread rules: a plain value, GUI thread.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct MyPDFBarSeams {
    // The chosen pictures in the dialog's order; empty on cancel.
    using PicturesChooser = std::function<QStringList(QWidget *parent, const QString &caption,
                                                      const QString &startFolder,
                                                      const QString &filter)>;
    // The chosen output file; empty on cancel. The default dialog asks
    // before it names an existing file and adds ".pdf" to a bare name.
    using OutputChooser = std::function<QString(QWidget *parent, const QString &caption,
                                                const QString &startFolder,
                                                const QString &filter)>;
    // Whether an existing file may be replaced; asked only for a name the
    // chooser did not ask about (".pdf" added by the composer).
    using ReplaceQuestion = std::function<bool(QWidget *parent, const QString &question)>;

    PicturesChooser choosePictures; // empty = QFileDialog::getOpenFileNames
    OutputChooser chooseOutput;     // empty = a QFileDialog saving with suffix "pdf"
    ReplaceQuestion mayReplace;     // empty = QMessageBox::question, default No
};

#endif
