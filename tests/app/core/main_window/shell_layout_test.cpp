// SPDX-License-Identifier: GPL-3.0-or-later

// Main-window shell pieces driven without a main window: picture placement,
// screen-size layouts, hover-tip placement, the side-panel toggle and the
// status banner's timing.

#include "core/startup/app_settings.h"
#include "core/main_window/floating_panels.h"
#include "core/main_window/hover_tip.h"
#include "core/live_view/picture_placement.h"
#include "core/main_window/screen_layout.h"
#include "core/main_window/status_banner.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class ShellLayoutTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void pictureFillsTheViewHeightCentred_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("viewHeight");
        QTest::addColumn<QRect>("expected");
        // 1920x1080 screen: view height 1048.
        QTest::newRow("landscape 4:3") << QSize(3840, 2880) << 1920 << 1048 << QRect(261, 32, 1397, 1048);
        QTest::newRow("same shape as screen") << QSize(1920, 1080) << 1920 << 1048 << QRect(28, 32, 1863, 1048);
        QTest::newRow("portrait") << QSize(1080, 1920) << 1920 << 1048 << QRect(665, 32, 589, 1048);
        // Wider than the window after scaling: cut equally at both sides.
        QTest::newRow("too wide") << QSize(4000, 1000) << 1920 << 1048 << QRect(-1136, 32, 4192, 1048);
        QTest::newRow("small screen") << QSize(640, 480) << 800 << 568 << QRect(21, 32, 757, 568);
    }

    void pictureFillsTheViewHeightCentred()
    {
        QFETCH(QSize, picture);
        QFETCH(int, screenWidth);
        QFETCH(int, viewHeight);
        QFETCH(QRect, expected);
        const QRect target = pictureTargetRect(picture, screenWidth, viewHeight);
        QCOMPARE(target, expected);
        // Both sides cut (or padded) alike, to within the one pixel the
        // integer division may leave.
        const int left = target.left();
        const int right = screenWidth - (target.left() + target.width());
        QVERIFY(qAbs(left - right) <= 1);
    }

    void emptyPictureHasNoPlace()
    {
        QVERIFY(pictureTargetRect(QSize(), 1920, 1048).isEmpty());
        QVERIFY(pictureTargetRect(QSize(0, 100), 1920, 1048).isEmpty());
        QVERIFY(pictureTargetRect(QSize(100, 100), 1920, 0).isEmpty());
    }

    void sideButtonLayoutsSplitAt965()
    {
        const SideButtonLayout small = sideButtonLayoutFor(965);
        QCOMPARE(small.geometry, QRect(20, 865, 50, 50));
        QCOMPARE(small.radius, 25);
        QVERIFY(small.styleSheet.contains("border-radius:25px;"));

        const SideButtonLayout large = sideButtonLayoutFor(966);
        QCOMPARE(large.geometry, QRect(20, 826, 80, 80));
        QCOMPARE(large.radius, 40);
        QVERIFY(large.styleSheet.contains("border-radius:40px;"));
        QVERIFY(large.styleSheet.contains("QPushButton#btn_side:hover{background-color:#fff;}"));
    }

    void panelPlacesFollowTheScreenSize()
    {
        const PanelPlaces large = panelPlacesFor(1920, 1080);
        QCOMPARE(large.toolBar, QPoint(580, 940));
        QCOMPARE(large.sideBar, QPoint(20, 118));
        QCOMPARE(large.compareBar, QPoint(974, 850));
        QCOMPARE(large.annotateBar, QPoint(646, 850));

        const PanelPlaces small = panelPlacesFor(1366, 728);
        QCOMPARE(small.toolBar, QPoint(347, 608));
        QCOMPARE(small.sideBar, QPoint(20, 46));
        QCOMPARE(small.compareBar, QPoint(697, 498));
        QCOMPARE(small.annotateBar, QPoint(439, 528));
    }

    void hoverTipIsCentredUnderItsButtonAndClampedAtTheRightEdge()
    {
        // Well inside the screen: centred (minus half the width plus 16).
        QCOMPARE(centredTipPosition(QPoint(1000, 3), 100, 1920, 42), QPoint(966, 45));
        // The close button at the right edge: the tip ends at the edge.
        QCOMPARE(centredTipPosition(QPoint(1890, 3), 100, 1920, 42), QPoint(1820, 45));
        // Exactly touching the edge stays where it is.
        QCOMPARE(centredTipPosition(QPoint(1854, 3), 100, 1920, 42), QPoint(1820, 45));
        // The microphone sits lower by only 2 pixels.
        QCOMPARE(centredTipPosition(QPoint(500, 700), 60, 1920, 2), QPoint(486, 702));
        QCOMPARE(sideButtonTipPosition(QPoint(20, 940)), QPoint(110, 960));
    }

    void hoverTipLabelIsSizedBeforeItIsPlaced()
    {
        HoverTip tip;
        tip.setText(QStringLiteral("a rather long caption for a button"));
        QVERIFY(tip.width() >= 50);
        QVERIFY(tip.label()->height() >= 30);
        const int width = tip.width();
        tip.showAt(centredTipPosition(QPoint(790, 0), width, 800, 42));
        QVERIFY(tip.label()->isVisible());
        QCOMPARE(tip.label()->geometry().right() + 1, 800);
        QVERIFY(!tip.label()->mask().isEmpty());
        tip.hide();
        QVERIFY(!tip.label()->isVisible());
    }

    void sideToggleFollowsThePage()
    {
        QWidget window;
        FloatingPanels panels;
        auto *tool = new QWidget(&window);
        auto *side = new QWidget(&window);
        auto *compare = new QWidget(&window);
        auto *annotate = new QWidget(&window);
        panels.toolBar = tool;
        panels.sideBar = side;
        panels.comBar = compare;
        panels.annotateBar = annotate;
        window.show();
        compare->show();

        QVERIFY(panels.shown());
        // On the compare page the compare bar goes and comes with the rest.
        QCOMPARE(panels.toggle(FloatingPanels::ComparePage), false);
        QVERIFY(tool->isHidden() && side->isHidden() && compare->isHidden());
        QCOMPARE(panels.toggle(FloatingPanels::ComparePage), true);
        QVERIFY(tool->isVisible() && side->isVisible() && compare->isVisible());
        QVERIFY(annotate->isVisible());

        // On the live page the page-bound bars stay as they are.
        annotate->hide();
        QCOMPARE(panels.toggle(FloatingPanels::LivePage), false);
        QVERIFY(compare->isVisible());
        QCOMPARE(panels.toggle(FloatingPanels::LivePage), true);
        QVERIFY(annotate->isHidden());
        QCOMPARE(panels.toggle(FloatingPanels::AnnotatePage), false);
        QCOMPARE(panels.toggle(FloatingPanels::AnnotatePage), true);
        QVERIFY(annotate->isVisible());
    }

    void sideToggleSkipsPanelsThatDoNotExist()
    {
        FloatingPanels panels;
        QCOMPARE(panels.toggle(FloatingPanels::ComparePage), false);
        QCOMPARE(panels.toggle(FloatingPanels::AnnotatePage), true);
    }

    void bannerStaysFiveSecondsAfterTheLastMessage()
    {
        QWidget strip;
        QLabel icon(&strip);
        QLabel text(&strip);
        QObject owner;
        StatusBanner banner(&strip, &icon, &text, &owner);
        QImage ok(20, 20, QImage::Format_RGB32);
        ok.fill(Qt::green);
        QImage fail(20, 20, QImage::Format_RGB32);
        fail.fill(Qt::red);
        banner.setMarks(ok, fail);
        QObject::connect(&banner, &StatusBanner::expired, &banner, &StatusBanner::clear);
        strip.hide();

        banner.showOk(QStringLiteral("first"));
        QVERIFY(!strip.isHidden());
        QCOMPARE(text.text(), QStringLiteral("first"));
        QCOMPARE(icon.pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5), QColor(Qt::green));
        QPointer<QTimer> first = banner.timer();
        QVERIFY(first && first->isActive());
        QCOMPARE(first->interval(), 5000);

        // A second message (3 s later in the user's terms) throws the first
        // period away and starts a fresh 5 s one.
        banner.showFail(QStringLiteral("second"));
        QVERIFY(first.isNull());
        QTimer *second = banner.timer();
        QVERIFY(second && second->isActive());
        QCOMPARE(second->interval(), 5000);
        QCOMPARE(text.text(), QStringLiteral("second"));
        QCOMPARE(icon.pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5), QColor(Qt::red));

        // The end of that period hides the banner and clears it.
        QVERIFY(QMetaObject::invokeMethod(second, "timeout"));
        QVERIFY(strip.isHidden());
        QVERIFY(text.text().isEmpty());
        QVERIFY(icon.pixmap(Qt::ReturnByValue).isNull());
    }

    void bannerRealTimerHidesItWithAShortPeriod()
    {
        // One end-to-end pass through a real timer, kept short.
        QWidget strip;
        QLabel icon(&strip);
        QLabel text(&strip);
        StatusBanner banner(&strip, &icon, &text, nullptr);
        QObject::connect(&banner, &StatusBanner::expired, &banner, &StatusBanner::clear);
        banner.showOk(QStringLiteral("saved"));
        banner.timer()->setInterval(10);
        banner.timer()->start();
        QTRY_VERIFY_WITH_TIMEOUT(strip.isHidden(), 5000);
    }
};

QTEST_MAIN(ShellLayoutTest)
#include "shell_layout_test.moc"
