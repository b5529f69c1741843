// SPDX-License-Identifier: GPL-3.0-or-later

// Composing a searchable PDF: the text of each picture is read off the GUI
// thread with progress, lies invisibly on its page in reading order, and a
// stopped composition writes nothing.

#include "pdf_inspection.h"
#include "test_runner.h"
#include "text_picture.h"

#include "core/startup/app_settings.h"
#include "imaging/ocr/ocr_languages.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/pdf/searchable_pdf_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kComposeTimeout = 180000; // generous: the suite shares two cores

bool installed(const char *language)
{
    return ocr::isInstalledLanguage(language, ocr::installedLanguages(ocr::trainedDataFolder()));
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return QString::fromUtf8(runTool("pdftotext", {"-f", n, "-l", n, pdf, "-"})).simplified();
}

MyPDFBarSeams choosing(const QStringList &pictures, const QString &output)
{
    MyPDFBarSeams seams;
    seams.choosePictures = [pictures](QWidget *, const QString &, const QString &, const QString &) {
        return pictures;
    };
    seams.chooseOutput = [output](QWidget *, const QString &, const QString &, const QString &) {
        return output;
    };
    return seams;
}

void chooseLanguage(MyPDFBar &composer, const QString &code)
{
    composer.languageList()->setCurrentIndex(composer.languageList()->findData(code));
}

} // namespace

class PdfSearchableTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString jpeg(const QString &name, const QStringList &lines)
    {
        const QString path = dir_.path() + '/' + name;
        return textPicture(lines, QSize(1400, 1000)).save(path, "JPG", 90) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        if (!installed("eng"))
            QSKIP("English trained data not installed");
    }

    void eachPageCarriesItsOwnTextInReadingOrder()
    {
        const QStringList first = {"Minutes of the orchard society", "Budget for trees and wire"};
        const QStringList second = {"Next meeting on Thursday", "in the village hall"};
        const QString output = dir_.path() + "/minutes.pdf";
        MyPDFBar composer(choosing({jpeg("first.jpg", first), jpeg("second.jpg", second)}, output),
                          nullptr);
        composer.slots_addImage();
        composer.searchableBox()->setChecked(true);
        chooseLanguage(composer, "eng");
        QSignalSpy written(&composer, &MyPDFBar::pdf_signals_openfile);
        composer.slots_composePDF();
        // Reading runs on the session's thread: the dialog answers meanwhile.
        QVERIFY(composer.searchableSession() && composer.searchableSession()->busy());
        QVERIFY(composer.progressWindow() && composer.progressWindow()->isVisible());
        QSignalSpy progress(composer.searchableSession(), &SearchablePdfSession::progress);
        QVERIFY(written.wait(kComposeTimeout));
        QCOMPARE(written.first().first().toString(), output);
        QCOMPARE(progress.last().at(0).toInt(), 2);
        QCOMPARE(progress.last().at(1).toInt(), 2);
        QVERIFY(!composer.progressWindow());

        QVERIFY(qpdfCheckPasses(output));
        QCOMPARE(pdfPageSizes(output), (QList<QSizeF>{{1400, 1000}, {1400, 1000}}));
        QVERIFY2(characterErrorRate(first.join(' '), pageText(output, 1)) < 0.03,
                 qPrintable(pageText(output, 1)));
        QVERIFY2(characterErrorRate(second.join(' '), pageText(output, 2)) < 0.03,
                 qPrintable(pageText(output, 2)));
        // The switch is remembered for the next composer.
        QCOMPARE(readSetting("pdf/searchable"), QString("1"));
        writeSetting("pdf/searchable", "0");
    }

    void aStoppedCompositionWritesNothing()
    {
        const QString output = dir_.path() + "/stopped.pdf";
        MyPDFBar composer(choosing({jpeg("a.jpg", englishTestLines()), jpeg("b.jpg", englishTestLines())},
                                   output),
                          nullptr);
        composer.slots_addImage();
        composer.searchableBox()->setChecked(true);
        QSignalSpy written(&composer, &MyPDFBar::pdf_signals_openfile);
        composer.slots_composePDF();
        SearchablePdfSession *session = composer.searchableSession();
        QSignalSpy finished(session, &SearchablePdfSession::finished);
        // The person presses "Stop".
        composer.progressWindow()->findChild<QPushButton *>()->click();
        QVERIFY(finished.wait(kComposeTimeout));
        QVERIFY(finished.first().first().value<SearchablePdfResult>().cancelled);
        QCOMPARE(written.size(), 0);
        QVERIFY(!QFile::exists(output));
        QVERIFY(QDir(dir_.path()).entryList({".stopped*"}, QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(!composer.progressWindow());
        QVERIFY(composer.findChild<QPushButton *>("btn_compose_pdf")->isEnabled());
        writeSetting("pdf/searchable", "0");
    }

    void aComposerClosedWhileReadingStopsAndJoinsItsThread()
    {
        auto *composer = new MyPDFBar(choosing({jpeg("c.jpg", englishTestLines())},
                                               dir_.path() + "/abandoned.pdf"),
                                      nullptr);
        composer->slots_addImage();
        composer->searchableBox()->setChecked(true);
        composer->slots_composePDF();
        QPointer<SearchablePdfSession> session = composer->searchableSession();
        QVERIFY(session && session->busy());
        delete composer;
        QVERIFY(!session);
        writeSetting("pdf/searchable", "0");
    }
};

REGISTER_TEST_CLASS(PdfSearchableTest)
#include "pdf_searchable_test.moc"
