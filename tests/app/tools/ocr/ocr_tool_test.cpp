// SPDX-License-Identifier: GPL-3.0-or-later

// The OCR tool off the GUI thread: the session reads on its own thread and
// refuses a second picture while busy; the tool shows it is busy, puts the
// text on the clipboard and into the panel, and says what went wrong.

#include "test_runner.h"
#include "text_picture.h"

#include "core/main_window/status_banner.h"
#include "core/startup/app_settings.h"
#include "imaging/ocr/ocr_languages.h"
#include "tools/ocr/my_ocr_bar.h"
#include "tools/ocr/ocr_session.h"
#include "tools/ocr/ocr_tool.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

constexpr int kReadingTimeout = 120000; // generous: the suite shares two cores

bool installed(const char *language)
{
    return ocr::isInstalledLanguage(language, ocr::installedLanguages(ocr::trainedDataFolder()));
}

OcrOutcome outcomeOf(const QSignalSpy &spy)
{
    return spy.isEmpty() ? OcrOutcome() : spy.first().first().value<OcrOutcome>();
}

// The window's banner and tool bar, without the window.
struct ToolStage {
    QWidget window;
    QWidget strip;
    QLabel mark, text;
    StatusBanner banner{&strip, &mark, &text, nullptr};
    MyToolBar toolBar{1080, nullptr};
    OcrTool tool{&window, &toolBar, &banner};
};

} // namespace

class OcrToolTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!installed("eng"))
            QSKIP("English trained data not installed");
    }

    void init()
    {
        // The default follows the interface language, Chinese unless set.
        writeSetting("ocr/language", "eng");
    }

    void theSessionReadsOnItsOwnThreadOnePictureAtATime()
    {
        OcrSession session;
        QSignalSpy finished(&session, &OcrSession::finished);
        const int request = session.start(textPicture(englishTestLines()), "eng");
        QVERIFY(request > 0);
        QVERIFY(session.busy());
        QVERIFY(session.workerThread()->isRunning());
        QVERIFY(session.workerThread() != QThread::currentThread());
        QCOMPARE(session.start(textPicture(englishTestLines()), "eng"), 0);
        QVERIFY(finished.wait(kReadingTimeout));
        const OcrOutcome outcome = outcomeOf(finished);
        QCOMPARE(outcome.request, request);
        QCOMPARE(outcome.outcome, RecognizedText::Outcome::Read);
        QVERIFY2(characterErrorRate(englishTestLines().join(' '), outcome.text) < 0.03,
                 qPrintable(outcome.text));
        QVERIFY(!session.busy());
        // The next picture reads with the same worker.
        QVERIFY(session.start(QImage(320, 240, QImage::Format_RGB32), "eng") > 0);
        QVERIFY(finished.wait(kReadingTimeout));
    }

    void aCancelledReadingEndsAsCancelledAndTheSessionReadsAgain()
    {
        OcrSession session;
        QSignalSpy finished(&session, &OcrSession::finished);
        QVERIFY(session.start(textPicture(englishTestLines()), "eng") > 0);
        session.cancel();
        QVERIFY(finished.wait(kReadingTimeout));
        QCOMPARE(outcomeOf(finished).outcome, RecognizedText::Outcome::Cancelled);
        QVERIFY(session.start(textPicture(englishTestLines()), "eng") > 0);
        QVERIFY(finished.wait(kReadingTimeout));
        QCOMPARE(finished.last().first().value<OcrOutcome>().outcome,
                 RecognizedText::Outcome::Read);
    }

    void aSessionDeletedWhileReadingJoinsItsThread()
    {
        auto *session = new OcrSession;
        QPointer<QThread> thread = session->workerThread();
        QVERIFY(session->start(textPicture(englishTestLines()), "eng") > 0);
        delete session;
        QVERIFY(!thread); // a child of the session, ended and gone
    }

    void theToolShowsItIsBusyThenPutsTheTextOnTheClipboard()
    {
        ToolStage stage;
        QApplication::clipboard()->clear();
        QSignalSpy finished(&stage.tool.session(), &OcrSession::finished);
        stage.tool.recognise(textPicture(englishTestLines()));
        QVERIFY(stage.toolBar.isBusy(MyToolBar::Ocr));
        QCOMPARE(stage.text.text(), QCoreApplication::translate("OcrTool", "Recognising text…"));
        // A second press waits for the first.
        stage.tool.recognise(textPicture(chineseTestLines()));
        QVERIFY(stage.text.text().contains(QCoreApplication::translate(
            "OcrTool", "Still recognising the text of the last picture…")));
        QVERIFY(finished.wait(kReadingTimeout));
        QCOMPARE(finished.size(), 1);

        QVERIFY(!stage.toolBar.isBusy(MyToolBar::Ocr));
        MyOcrBar *panel = stage.tool.panel();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->parentWidget(), &stage.window);
        QVERIFY2(characterErrorRate(englishTestLines().join(' '), panel->text()) < 0.03,
                 qPrintable(panel->text()));
        QCOMPARE(QApplication::clipboard()->text(), panel->text());
        QCOMPARE(stage.text.text(), QCoreApplication::translate(
                                        "OcrTool", "Text recognised and copied to the clipboard."));
    }

    void nothingToReadIsSaidAndLeavesTheClipboardAlone()
    {
        ToolStage stage;
        QApplication::clipboard()->setText("kept");
        stage.tool.recognise(QImage());
        QCOMPARE(stage.text.text(),
                 QCoreApplication::translate("OcrTool", "There is no picture to read yet."));
        QVERIFY(!stage.toolBar.isBusy(MyToolBar::Ocr));

        QSignalSpy finished(&stage.tool.session(), &OcrSession::finished);
        QImage blank(800, 600, QImage::Format_RGB32);
        blank.fill(Qt::white);
        stage.tool.recognise(blank);
        QVERIFY(finished.wait(kReadingTimeout));
        QCOMPARE(stage.text.text(),
                 QCoreApplication::translate("OcrTool", "No text was found in the picture."));
        QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
        QVERIFY(stage.tool.panel()->text().isEmpty());
        QVERIFY(!stage.tool.panel()->copyButton()->isEnabled());
        QVERIFY(!stage.tool.panel()->saveButton()->isEnabled());
    }

    void readAgainUsesTheLanguageChosenInThePanel()
    {
        if (!installed("chi_sim"))
            QSKIP("Simplified Chinese trained data not installed");
        ToolStage stage;
        QSignalSpy finished(&stage.tool.session(), &OcrSession::finished);
        stage.tool.recognise(textPicture(chineseTestLines()));
        QVERIFY(finished.wait(kReadingTimeout));
        MyOcrBar *panel = stage.tool.panel();
        const int chinese = panel->languageList()->findData("chi_sim");
        QVERIFY(chinese >= 0);
        panel->languageList()->setCurrentIndex(chinese);
        panel->againButton()->click();
        QVERIFY(!panel->againButton()->isEnabled());
        QVERIFY(finished.wait(kReadingTimeout));
        QCOMPARE(finished.last().first().value<OcrOutcome>().language, QString("chi_sim"));
        QVERIFY2(characterErrorRate(chineseTestLines().join(""), panel->text()) < 0.1,
                 qPrintable(panel->text()));
        QVERIFY(panel->againButton()->isEnabled());
    }
};

REGISTER_TEST_CLASS(OcrToolTest)
#include "ocr_tool_test.moc"
