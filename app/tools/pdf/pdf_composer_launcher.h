// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PDF_COMPOSER_LAUNCHER_H
#define CORVANE_PDF_COMPOSER_LAUNCHER_H

// The main window's side of the PDF composer. open() replaces the composer
// with a new, empty one in front of the window, whose finished documents
// reach the window's slot func_pdf_widget_openfile(QString). showResult()
// closes the composer, hands the document to the desktop's PDF viewer and
// minimises the window so the viewer is seen; a path that is not a written
// file is never handed on, and a viewer that cannot be started is reported
// and leaves the window as it is.
//
// Thread rules: GUI thread only. The launcher owns the composer; the
// window owns the launcher.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class MyPDFBar;
class QWidget;

class PdfComposerLauncher {
public:
    // Hands a URL to the desktop; QDesktopServices::openUrl in the program.
    using UrlOpener = std::function<bool(const QUrl &)>;
    using FailureReport = std::function<void(const QString &message)>;

    // `window` must have the slot func_pdf_widget_openfile(QString).
    PdfComposerLauncher(QWidget *window, FailureReport reportFailure,
                        UrlOpener opener = UrlOpener());
    ~PdfComposerLauncher();
    PdfComposerLauncher(const PdfComposerLauncher &) = delete;
    PdfComposerLauncher &operator=(const PdfComposerLauncher &) = delete;

    // What launchers built without an opener use; tests keep viewers away.
    static void setDefaultOpenerForTests(UrlOpener opener);

    MyPDFBar *composer() const;

    void open();
    // A new composer holding these pictures in this order.
    void openWith(const QStringList &pictures);
    void showResult(const QString &fileName);

private:
    QWidget *window_;
    FailureReport reportFailure_;
    UrlOpener opener_;
    QPointer<MyPDFBar> composer_;
};

#endif
