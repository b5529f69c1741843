// SPDX-License-Identifier: GPL-3.0-or-later

// The hands-free panel: what it shows and what its controls send; the tool
// showing it, and the mode ending from the panel.

#include "test_runner.h"

#include "tools/page_capture/my_page_capture_bar.h"
#include "tools/page_capture/page_capture_tool.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/pdf/pdf_composer_launcher.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

class PageCapturePanelTest : public QObject {
    Q_OBJECT

private slots:
    void controlsSendTheirSignalsAndEscStops()
    {
        MyPageCaptureBar bar;
        bar.showProgress(0, PageCaptureSession::Hint::Waiting);
        QVERIFY(!bar.finishButton()->isEnabled()); // nothing to finish yet
        bar.showProgress(1, PageCaptureSession::Hint::Taken);
        QSignalSpy level(&bar, &MyPageCaptureBar::signals_sensitivity);
        QSignalSpy finish(&bar, &MyPageCaptureBar::signals_finish);
        QSignalSpy stop(&bar, &MyPageCaptureBar::signals_stop);
        bar.setSensitivity(2); // showing a level sends nothing
        QCOMPARE(level.count(), 0);
        bar.sensitivitySlider()->setValue(4);
        QCOMPARE(level.takeFirst().at(0).toInt(), 4);
        bar.show();
        QTest::keyClick(&bar, Qt::Key_Return);
        QCOMPARE(finish.count(), 0); // Enter must not finish by surprise
        QTest::mouseClick(bar.finishButton(), Qt::LeftButton);
        QCOMPARE(finish.count(), 1);
        QTest::keyClick(&bar, Qt::Key_Escape);
        QCOMPARE(stop.count(), 1);
    }

    void theToolShowsThePanelAndEndsFromIt()
    {
        QWidget window;
        window.resize(800, 600);
        QStringList failures;
        PageCaptureSession::Parts parts;
        parts.fullPicture = [] { return QImage(); };
        parts.savePhoto = [](const QImage &, const QString &) { return QString(); };
        parts.compose = [](const QStringList &) {};
        parts.reportFailure = [&](const QString &m) { failures << m; };
        PageCaptureTool tool(&window, parts);
        QVERIFY(!tool.switchOn(true, false));
        QCOMPARE(tool.panel(), nullptr);
        QCOMPARE(failures.size(), 1);

        QSignalSpy ended(&tool, &PageCaptureTool::ended);
        QVERIFY(tool.switchOn(true, true));
        QVERIFY(tool.panel() && tool.panel()->isVisible());
        QTest::mouseClick(tool.panel()->stopButton(), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!tool.panel()->isVisible());
        QVERIFY(!tool.session().active());
        QVERIFY(!tool.switchOn(false, true)); // already off: nothing more
        QCOMPARE(ended.count(), 1);
    }

    void theComposerOpensWithThePagesInOrder()
    {
        QWidget window;
        PdfComposerLauncher launcher(&window, [](const QString &) {});
        const QStringList pages = {"/p/3.jpg", "/p/1.jpg", "/p/2.jpg"};
        launcher.openWith(pages);
        QVERIFY(launcher.composer());
        QCOMPARE(launcher.composer()->imagePaths(), pages);
        launcher.open(); // the composer's own button still starts empty
        QVERIFY(launcher.composer()->imagePaths().isEmpty());
    }
};

REGISTER_TEST_CLASS(PageCapturePanelTest)
#include "page_capture_panel_test.moc"
