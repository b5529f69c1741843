// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_PDF_BAR_H
#define CORVANE_MY_PDF_BAR_H

// The PDF composer: a list of picture thumbnails and two buttons. "Add
// pictures" appends JPEG files (duplicates allowed, they become duplicate
// pages); "Compose PDF" asks for the output file, writes one page per
// picture in list order (JpegPdfWriter) and, once the file is written,
// emits pdf_signals_openfile with its path. Pictures that could not be
// embedded are reported and left out; a document that could not be written
// is reported and no signal is emitted. The Delete key removes the selected
// thumbnails.
//
// "Searchable text" also reads the text of every picture in the language
// chosen beside it and lays it over the page invisibly, so the document
// can be searched and its text copied in any PDF reader. That runs off the
// GUI thread (SearchablePdfSession) with a progress window that can stop
// it; stopped, nothing is written.
//
// Thread rules: GUI thread only. A plain composition runs inside the
// button's slot; a searchable one on the session's thread, which the
// composer owns and joins when it is deleted.

#include "tools/pdf/my_pdf_bar_seams.h"
#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class MyPDFBarClass;
}

class QCheckBox;
class QComboBox;
class QProgressDialog;
class SearchablePdfSession;
struct SearchablePdfResult;

class MyPDFBar : public QDialog {
    Q_OBJECT

public:
    // Uses the default seams (the real dialogs unless replaced below).
    explicit MyPDFBar(QWidget *parent = nullptr);
    MyPDFBar(const MyPDFBarSeams &seams, QWidget *parent);
    ~MyPDFBar() override;

    // What composers built without explicit seams use from now on; tests of
    // the main window keep real file dialogs away.
    static void setDefaultSeamsForTests(const MyPDFBarSeams &seams);

    // Full paths in list order, one per thumbnail.
    const QStringList &imagePaths() const { return imagePaths_; }
    // Appends pictures to the list as "Add pictures" does (the pages of
    // hands-free page capture, handed over in the order they were taken).
    void addPictures(const QStringList &paths);

    QCheckBox *searchableBox() const;
    QComboBox *languageList() const;
    // Null until the first searchable document.
    SearchablePdfSession *searchableSession() const { return session_; }
    QProgressDialog *progressWindow() const { return progress_; }

signals:
    void pdf_signals_openfile(QString fileName);

public slots:
    void slots_addImage();
    void slots_composePDF();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void addPicture(const QString &path);
    void removeSelectedPictures();
    // The output path with ".pdf" added to a bare name; empty when the
    // person cancelled or declined to replace a file.
    QString chooseOutputFile();
    void report(const JpegPdfWriter::Outcome &outcome, const QString &fileName);
    void fillLanguages();
    void composeSearchable(const QString &fileName);
    void finishSearchable(const SearchablePdfResult &result, const QString &fileName);
    void setComposing(bool composing);

    std::unique_ptr<Ui::MyPDFBarClass> ui_;
    MyPDFBarSeams seams_;
    QStringList imagePaths_;
    SearchablePdfSession *session_ = nullptr;
    QProgressDialog *progress_ = nullptr;
};

#endif
