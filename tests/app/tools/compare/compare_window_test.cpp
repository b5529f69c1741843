// SPDX-License-Identifier: GPL-3.0-or-later

// The compare view in the main window: the tool bar's compare button and
// the bar's buttons reach the page, the side bar's rotate and zoom act on
// the compare windows (not the live view), a press on the window selects,
// and the panel toggle takes the bar along.

#include "core/main_window/corvane.h"
#include "core/main_window/screen_layout.h"
#include "core/startup/app_settings.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/transforms/view_transforms.h"
#include "message_box_catcher.h"
#include "tools/compare/compare_page_controller.h"
#include "tools/compare/my_com_bar.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class CompareWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theViewWorksFromThePanels()
    {
        QTemporaryDir settingsDir;
        setSettingsFolderForTests(settingsDir.path());
        // A real dialog here would wait for a person.
        ComparePageController::setDefaultPictureChooserForTests(
            [](QWidget *, const QString &, const QString &) { return QString(); });
        Corvane window;
        window.show();
        window.sideShowAndHide();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MyComBar &bar = *window.comBar();
        const ComparePageController &page = window.comparePage();
        auto pageIndex = [&] { return window.findChild<QStackedWidget *>("stackedWidget")->currentIndex(); };

        QCOMPARE(bar.pos(), panelPlacesFor(800, 600).compareBar);
        window.toolBar()->button(MyToolBar::Compare)->click();
        QCOMPARE(pageIndex(), 2);
        QVERIFY(bar.isVisible());
        bar.button(MyComBar::Six)->click();
        QCOMPARE(page.model().layout(), CompareLayout::Six);
        window.sideShowAndHide();
        QVERIFY(bar.isHidden());
        window.sideShowAndHide();
        QVERIFY(bar.isVisible());

        QImage frame(80, 60, QImage::Format_RGB32);
        frame.fill(Qt::red);
        window.drawWifiVideoFrame(frame);
        const QRect five = window.findChild<QWidget *>("widget_com5")->geometry();
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, five.topLeft() + QPoint(5, 32 + 3));
        QCOMPARE(page.model().selected(), 5);
        bar.button(MyComBar::Scan)->click();
        QCOMPARE(page.model().window(5).picture.size(), QSize(80, 60));
        window.sideBar()->button(MySideBar::RotateRight)->click();
        window.sideBar()->button(MySideBar::ZoomIn)->click();
        QCOMPARE(page.model().window(5).quarterTurns, 1);
        QCOMPARE(page.model().window(5).cropTenths, 1);
        QCOMPARE(window.viewTransforms().state().rotationStep, 0);

        // Between the windows: open only warns, rotate turns every picture.
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
        QCOMPARE(page.model().selected(), 0);
        MessageBoxCatcher boxes;
        bar.button(MyComBar::File)->click();
        QCOMPARE(boxes.boxes.size(), 1);
        window.sideBar()->button(MySideBar::RotateLeft)->click();
        QCOMPARE(page.model().window(5).quarterTurns, 0);

        window.toolBar()->button(MyToolBar::Compare)->click();
        QCOMPARE(pageIndex(), 0);
        QVERIFY(bar.isHidden());
        // Back with the pictures, two windows and the bar saying so.
        window.tool_duibi(true);
        QCOMPARE(page.model().window(5).picture.size(), QSize(80, 60));
        QCOMPARE(bar.markedLayout(), CompareLayout::Two);
        QCOMPARE(page.model().layout(), CompareLayout::Two);
        ComparePageController::setDefaultPictureChooserForTests({});
    }
};

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
