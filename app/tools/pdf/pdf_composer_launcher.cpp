// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/pdf_composer_launcher.h"

#include "tools/pdf/my_pdf_bar.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

PdfComposerLauncher::UrlOpener &defaultOpener()
{
    static PdfComposerLauncher::UrlOpener opener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}

} // namespace

PdfComposerLauncher::PdfComposerLauncher(QWidget *window, FailureReport reportFailure,
                                         UrlOpener opener)
    : window_(window),
      reportFailure_(std::move(reportFailure)),
      opener_(opener ? std::move(opener) : defaultOpener())
{
}

PdfComposerLauncher::~PdfComposerLauncher()
{
    delete composer_.data();
}

void PdfComposerLauncher::setDefaultOpenerForTests(UrlOpener opener)
{
    defaultOpener() = std::move(opener);
}

MyPDFBar *PdfComposerLauncher::composer() const
{
    return composer_.data();
}

void PdfComposerLauncher::open()
{
    openWith(QStringList());
}

void PdfComposerLauncher::openWith(const QStringList &pictures)
{
    // Each press starts with an empty list.
    delete composer_.data();
    composer_ = new MyPDFBar(window_);
    QObject::connect(composer_, SIGNAL(pdf_signals_openfile(QString)), window_,
                     SLOT(func_pdf_widget_openfile(QString)));
    composer_->addPictures(pictures);
    composer_->show();
    // Stay-on-top is only a hint to a window manager; without one the
    // composer must still not open behind the full-screen window.
    composer_->raise();
    composer_->activateWindow();
}

void PdfComposerLauncher::showResult(const QString &fileName)
{
    if (composer_)
        composer_->close();
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (!QFileInfo(fileName).isFile()) {
        reportFailure_(QCoreApplication::translate("PdfComposerLauncher",
                                                   "The PDF %1 was not written.")
                           .arg(shownName));
        return;
    }
    // A local-file URL: "file:///" glued to an absolute path would give
    // four slashes.
    if (!opener_(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()))) {
        reportFailure_(QCoreApplication::translate("PdfComposerLauncher",
                                                   "The PDF was saved to %1, but no program "
                                                   "could be started to show it.")
                           .arg(shownName));
        return;
    }
    window_->showMinimized();
}
