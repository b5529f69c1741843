// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF composer dialog through stand-in file choosers: adding in
// batches, the output name and the replace question, reports of left-out
// pictures and failures, removing thumbnails, and where the dialogs start.

#include "caption_fit.h"
#include "message_box_catcher.h"
#include "pdf_inspection.h"
#include "test_runner.h"

#include "core/startup/process_values.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/pdf/pdf_start_folder.h"

#include <QDir>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the dialogs from queues and notes what they were asked.
struct ScriptedChoosers {
    QList<QStringList> batches;
    QStringList outputs, startFolders, filters, questions;
    bool replace = false;

    MyPDFBarSeams seams()
    {
        MyPDFBarSeams s;
        s.choosePictures = [this](QWidget *, const QString &, const QString &start,
                                  const QString &filter) {
            startFolders << start;
            filters << filter;
            return batches.isEmpty() ? QStringList() : batches.takeFirst();
        };
        s.chooseOutput = [this](QWidget *, const QString &, const QString &start,
                                const QString &filter) {
            startFolders << start;
            filters << filter;
            return outputs.isEmpty() ? QString() : outputs.takeFirst();
        };
        s.mayReplace = [this](QWidget *, const QString &question) {
            questions << question;
            return replace;
        };
        return s;
    }
};

} // namespace

class PdfComposerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString a_, b_, c_;

private slots:
    void initTestCase()
    {
        a_ = makeJpeg(dir_.path(), "a.jpg", 300, 200);
        b_ = makeJpeg(dir_.path(), "b.jpg", 200, 400);
        c_ = makeJpeg(dir_.path(), "c.jpg", 500, 100);
        processValues().savePath = dir_.path();
    }

    void captionsFitInEveryLanguage()
    {
        const ProgramFontAt12pt font;
        ScriptedChoosers choosers;
        MyPDFBar bar(choosers.seams(), nullptr);
        const QStringList cut = cutCaptionsInEveryLanguage(bar);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
    }

    void batchesBecomePagesInOrderAndABareNameGetsPdfWithoutReplacingSilently()
    {
        ScriptedChoosers choosers;
        choosers.batches = {{a_, b_}, {c_}};
        const QString bare = dir_.path() + "/album", pdf = bare + ".pdf";
        choosers.outputs = QStringList{bare, bare, bare};
        MyPDFBar bar(choosers.seams(), nullptr);
        QSignalSpy opened(&bar, &MyPDFBar::pdf_signals_openfile);
        bar.slots_addImage();
        bar.slots_addImage();
        QCOMPARE(bar.imagePaths(), (QStringList{a_, b_, c_}));
        auto *list = bar.findChild<QListWidget *>("widget_list");
        QCOMPARE(list->count(), 3);
        QVERIFY(!list->item(1)->icon().isNull());

        bar.slots_composePDF();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), pdf);
        QCOMPARE(pdfPageSizes(pdf),
                 (QList<QSizeF>{{300, 200}, {200, 400}, {500, 100}}));
        QCOMPARE(choosers.filters, (QStringList{"Images (*.jpg *.jpeg)", "Images (*.jpg *.jpeg)",
                                                "PDF files (*.pdf)"}));
        QCOMPARE(choosers.startFolders, (QStringList{dir_.path(), dir_.path(), dir_.path()}));

        // "album" now names an existing file: replaced only with consent.
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        bar.slots_composePDF();
        QCOMPARE(choosers.questions.size(), 1);
        QVERIFY(choosers.questions[0].contains("album.pdf"));
        QCOMPARE(QFileInfo(pdf).size(), 3);
        choosers.replace = true;
        bar.slots_composePDF();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(pdfPageSizes(pdf).size(), 3);

        // The Delete key takes selected pictures out of the list.
        list->item(1)->setSelected(true);
        QTest::keyClick(&bar, Qt::Key_Delete);
        QCOMPARE(bar.imagePaths(), (QStringList{a_, c_}));
        QCOMPARE(list->count(), 2);
    }

    void leftOutPicturesAndFailuresAreReported()
    {
        MessageBoxCatcher boxes;
        ScriptedChoosers choosers;
        const QString missing = dir_.path() + "/gone.jpg";
        choosers.batches = {{missing, b_}};
        choosers.outputs = QStringList{dir_.path() + "/partial.pdf", dir_.path() + "/no/dir/x.pdf"};
        MyPDFBar bar(choosers.seams(), nullptr);
        QSignalSpy opened(&bar, &MyPDFBar::pdf_signals_openfile);

        // Nothing to compose: said so, without a file dialog.
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(choosers.filters.isEmpty());

        bar.slots_addImage();
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].icon, QMessageBox::Warning);
        QVERIFY(boxes.boxes[1].text.contains(missing));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(pdfPageSizes(dir_.path() + "/partial.pdf"), (QList<QSizeF>{{200, 400}}));

        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 3);
        QVERIFY(boxes.boxes[2].text.contains("/no/dir/x.pdf"));
        // Cancelling the save dialog does nothing at all.
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 3);
        QCOMPARE(opened.size(), 1);
    }

    void dialogsStartInTheDatedFolderThenTheSaveFolderThenPictures()
    {
        QTemporaryDir base;
        const QString conf = base.path() + "/conf.ini";
        const QDate day(2024, 3, 9);
        QSettings(conf, QSettings::IniFormat).setValue("dev/savePath", base.path());
        // Named but not there: the next choice.
        QCOMPARE(pdfStartFolder(conf, dir_.path(), "/pictures", day), dir_.path());
        QVERIFY(QDir().mkpath(base.path() + "/corvane/20240309"));
        QCOMPARE(pdfStartFolder(conf, dir_.path(), "/pictures", day), base.path() + "/corvane/20240309");
        QCOMPARE(pdfStartFolder(base.path() + "/none.ini", "0", "/pictures", day), QString("/pictures"));
    }
};

REGISTER_TEST_CLASS(PdfComposerTest)
#include "pdf_composer_test.moc"
