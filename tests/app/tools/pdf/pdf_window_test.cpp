// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF composer from the main window: the tool bar's button opens a
// fresh composer, and a finished document goes to the desktop's viewer as
// a local-file URL, only when it was written.

#include "pdf_inspection.h"
#include "test_runner.h"

#include "core/main_window/corvane.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/pdf/pdf_composer_launcher.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class PdfWindowTest : public QObject {
    Q_OBJECT

private slots:
    void composerOpensFreshAndHandsItsDocumentToTheViewer()
    {
        QList<QUrl> opened;
        bool viewerStarts = true;
        PdfComposerLauncher::setDefaultOpenerForTests([&](const QUrl &url) {
            opened << url;
            return viewerStarts;
        });
        QTemporaryDir dir;
        const QString picture = makeJpeg(dir.path(), "page.jpg", 64, 48);
        MyPDFBarSeams seams;
        seams.choosePictures = [&](QWidget *, const QString &, const QString &, const QString &) {
            return QStringList{picture};
        };
        seams.chooseOutput = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dir.path() + "/out.pdf";
        };
        MyPDFBar::setDefaultSeamsForTests(seams);

        Corvane window;
        window.show();
        window.sideShowAndHide();
        window.toolBar()->button(MyToolBar::Pdf)->click();
        QPointer<MyPDFBar> first = window.pdfComposer();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->parentWidget(), &window);
        first->slots_addImage();
        // A second press starts over with an empty list.
        window.toolBar()->button(MyToolBar::Pdf)->click();
        QVERIFY(!first);
        MyPDFBar *composer = window.pdfComposer();
        QVERIFY(composer->imagePaths().isEmpty());

        composer->slots_addImage();
        composer->slots_composePDF();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(dir.path() + "/out.pdf")});
        QVERIFY(!opened[0].toString().startsWith("file:////"));
        QVERIFY(!composer->isVisible());
        QVERIFY(window.isMinimized());
        window.showNormal();

        // Only a written file is handed on; a viewer that cannot start is
        // reported and the window stays.
        auto *banner = window.findChild<QLabel *>("state_label_text");
        window.func_pdf_widget_openfile(dir.path() + "/never_written.pdf");
        QCOMPARE(opened.size(), 1);
        QVERIFY(banner->text().contains("never_written.pdf"));
        viewerStarts = false;
        window.func_pdf_widget_openfile(dir.path() + "/out.pdf");
        QCOMPARE(opened.size(), 2);
        QVERIFY(!window.isMinimized());
        QVERIFY(banner->text().contains("out.pdf"));
        MyPDFBar::setDefaultSeamsForTests({});
    }
};

REGISTER_TEST_CLASS(PdfWindowTest)
#include "pdf_window_test.moc"
