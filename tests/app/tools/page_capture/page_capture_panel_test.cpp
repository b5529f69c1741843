// SPDX-License-Identifier: GPL-3.0-or-later

// The hands-free panel: what it shows and what its controls send; the tool
// showing it, and the mode ending from the panel. (Refusals and the
// composer are driven through the main window's test.)

#include "test_runner.h"

#include "tools/page_capture/my_page_capture_bar.h"
#include "tools/page_capture/page_capture_tool.h"

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
        PageCaptureSession::Parts parts;
        parts.fullPicture = [] { return QImage(); };
        parts.savePhoto = [](const QImage &, const QString &) { return QString(); };
        parts.compose = [](const QStringList &) {};
        parts.reportFailure = [](const QString &) {};
        PageCaptureTool tool(&window, parts);
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
};

REGISTER_TEST_CLASS(PageCapturePanelTest)
#include "page_capture_panel_test.moc"
