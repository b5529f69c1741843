// SPDX-License-Identifier: GPL-3.0-or-later

// The side bar on its own: the four exclusive toggles, the arguments of
// deskew and crop, the independent freeze toggle and its caption, the two
// screen-size layouts, the hover caption and retranslation.

#include "core/main_window/hover_tip.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/side_bar/side_bar_styles.h"
#include "marking_translator.h"
#include "test_runner.h"

#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

class SideBarTest : public QObject {
    Q_OBJECT

private slots:
    void pressedToggleBlocksTheOtherThree_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::newRow("mirror left-right") << int(MySideBar::MirrorLeftRight);
        QTest::newRow("mirror top-bottom") << int(MySideBar::MirrorTopBottom);
        QTest::newRow("deskew") << int(MySideBar::Deskew);
        QTest::newRow("crop") << int(MySideBar::Crop);
    }

    void pressedToggleBlocksTheOtherThree()
    {
        QFETCH(int, pressed);
        MySideBar bar(1080, nullptr);
        const auto first = MySideBar::Button(pressed);
        const QList<MySideBar::Button> toggles = {MySideBar::MirrorLeftRight, MySideBar::MirrorTopBottom,
                                                  MySideBar::Deskew, MySideBar::Crop};
        bar.button(first)->click();
        QVERIFY(bar.toggleBusy());
        QCOMPARE(bar.button(first)->styleSheet(), sidePressedStyle(bar.button(first)->objectName()));

        QSignalSpy h(&bar, &MySideBar::signals_zuoyoujingxiang);
        QSignalSpy v(&bar, &MySideBar::signals_shangxiajingxiang);
        QSignalSpy deskew(&bar, &MySideBar::signals_jiupian);
        QSignalSpy crop(&bar, &MySideBar::signals_caijian);
        for (MySideBar::Button other : toggles) {
            if (other == first)
                continue;
            bar.button(other)->click();
            QCOMPARE(bar.button(other)->styleSheet(), sideNormalStyle(bar.button(other)->objectName()));
        }
        QCOMPARE(h.count() + v.count() + deskew.count() + crop.count(), 0);
        const bool flags[] = {bar.mirrorHorizontalShown(), bar.mirrorVerticalShown(),
                              bar.deskewShown(), bar.cropShown()};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(flags[i], toggles[i] == first);

        // Freeze is independent of them.
        QSignalSpy freeze(&bar, &MySideBar::signals_dongjie);
        bar.button(MySideBar::Freeze)->click();
        QCOMPARE(freeze.count(), 1);

        // Releasing frees the others.
        bar.button(first)->click();
        QVERIFY(!bar.toggleBusy());
        for (MySideBar::Button other : toggles) {
            if (other == first)
                continue;
            bar.button(other)->click();
            QVERIFY(bar.toggleBusy());
            bar.button(other)->click();
        }
        QCOMPARE(h.count() + v.count() + deskew.count() + crop.count(), 1 + 3 * 2);
    }

    void deskewAndCropSayOnAndOffMirrorsSayNothing()
    {
        MySideBar bar(1080, nullptr);
        QSignalSpy deskew(&bar, &MySideBar::signals_jiupian);
        QSignalSpy crop(&bar, &MySideBar::signals_caijian);
        QSignalSpy mirror(&bar, &MySideBar::signals_zuoyoujingxiang);
        bar.button(MySideBar::Deskew)->click();
        bar.button(MySideBar::Deskew)->click();
        bar.button(MySideBar::Crop)->click();
        bar.button(MySideBar::Crop)->click();
        bar.button(MySideBar::MirrorLeftRight)->click();
        bar.button(MySideBar::MirrorLeftRight)->click();
        QCOMPARE(deskew.count(), 2);
        QCOMPARE(deskew.at(0).at(0).toInt(), 1);
        QCOMPARE(deskew.at(1).at(0).toInt(), 0);
        QCOMPARE(crop.at(0).at(0).toInt(), 1);
        QCOMPARE(crop.at(1).at(0).toInt(), 0);
        QCOMPARE(mirror.count(), 2);
        QVERIFY(mirror.at(0).isEmpty());
    }

    void freezeCaptionReadsPreviewWhilePressed()
    {
        MySideBar bar(1080, nullptr);
        QToolButton *freeze = bar.button(MySideBar::Freeze);
        const QString dongjie = QCoreApplication::translate("MySideBar", "dongjie");
        const QString yulan = QCoreApplication::translate("MySideBar", "yulan");
        QCOMPARE(bar.captionFor(MySideBar::Freeze), dongjie);
        freeze->click();
        QVERIFY(bar.freezeShown());
        QCOMPARE(bar.captionFor(MySideBar::Freeze), yulan);
        QCOMPARE(freeze->toolTip(), yulan);
        QCOMPARE(freeze->styleSheet(), sidePressedStyle("btn_dongjie"));
        freeze->click();
        QCOMPARE(bar.captionFor(MySideBar::Freeze), dongjie);
        QCOMPARE(freeze->toolTip(), dongjie);
        QCOMPARE(freeze->styleSheet(), sideNormalStyle("btn_dongjie"));
    }

    void oneShotButtonsSignalEveryClick()
    {
        MySideBar bar(1080, nullptr);
        QSignalSpy resolution(&bar, &MySideBar::signals_fenbianlv);
        QSignalSpy left(&bar, &MySideBar::signals_zuozhuan);
        QSignalSpy right(&bar, &MySideBar::signals_youzhuan);
        QSignalSpy in(&bar, &MySideBar::signals_fangda);
        QSignalSpy out(&bar, &MySideBar::signals_suoxiao);
        QSignalSpy curtain(&bar, &MySideBar::signals_zhezhao);
        bar.button(MySideBar::Deskew)->click(); // busy does not matter to them
        for (MySideBar::Button b : {MySideBar::Resolution, MySideBar::RotateLeft, MySideBar::RotateRight,
                                    MySideBar::ZoomIn, MySideBar::ZoomOut, MySideBar::Curtain}) {
            bar.button(b)->click();
            bar.button(b)->click();
        }
        for (QSignalSpy *spy : {&resolution, &left, &right, &in, &out, &curtain})
            QCOMPARE(spy->count(), 2);
    }

    void stylesAreBuiltPerButton()
    {
        MySideBar bar(1080, nullptr);
        QCOMPARE(bar.button(MySideBar::Deskew)->styleSheet(),
                 QString("QToolButton#btn_jiupian{background-color:#ededed;border:1px solid #ededed;"
                         "border-radius:10px;}QToolButton#btn_jiupian:hover{background-color:#fff;"
                         "border:1px solid #fff;border-radius:10px;}"));
        QCOMPARE(bar.button(MySideBar::Resolution)->styleSheet(),
                 QString("QToolButton#btn_resolution{background-color:#ededed;border:1px solid #ededed;"
                         "border-radius:10px;}QToolButton#btn_resolution:hover{background-color:#fff;"
                         "border:2px solid #fff;border-radius:10px;}"));
        QCOMPARE(sidePressedStyle("btn_jiupian"),
                 QString("QToolButton#btn_jiupian{background-color:#fff;border:2px solid #0296D6;"
                         "border-radius:10px;}"));
        QCOMPARE(bar.styleSheet(),
                 QString("background-color:#ededed;border: 1px solid #ededed;border-radius:10px;"));
    }

    void layoutFollowsTheScreenHeight()
    {
        MySideBar large(966, nullptr);
        MySideBar small(965, nullptr);
        for (QToolButton *b : large.findChildren<QToolButton *>()) {
            QCOMPARE(b->size(), QSize(60, 60));
            QCOMPARE(b->iconSize(), QSize(60, 60));
        }
        for (QToolButton *b : small.findChildren<QToolButton *>())
            QCOMPARE(b->size(), QSize(40, 40));
        QCOMPARE(large.width(), 80);
        // Eleven buttons, ten gaps of 10 and margins of 10.
        QCOMPARE(large.height(), 11 * 60 + 10 * 10 + 20);
        QCOMPARE(small.height(), 11 * 40 + 10 * 10 + 20);
        // Placed for a 1280x800 screen it ends above the bottom.
        QVERIFY((800 - 32) - 930 + 280 + small.height() < 800);
        QVERIFY(!large.mask().contains(QPoint(0, 0)));
        QVERIFY(large.mask().contains(QPoint(40, 300)));
        QVERIFY(large.windowFlags().testFlag(Qt::Tool));
    }

    void captionSitsBesideTheButton()
    {
        MySideBar bar(1080, nullptr);
        bar.move(20, 118);
        bar.show();
        bar.setShortcutHint(MySideBar::RotateLeft, QKeySequence(Qt::CTRL + Qt::Key_Left));
        QToolButton *left = bar.button(MySideBar::RotateLeft);
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(left, &enter);
        QLabel *caption = bar.hoverTip().label();
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->pos(), left->mapToGlobal(QPoint(0, 0)) + QPoint(80, 3));
        QCOMPARE(caption->text(), QCoreApplication::translate("MySideBar", "zuozhuan") + "  (Ctrl+Left)");
        // Leaving hides it; Qt's own tip bubble never shows on top of it.
        QEvent leave(QEvent::HoverLeave);
        QCoreApplication::sendEvent(left, &leave);
        QVERIFY(!caption->isVisible());
        QToolButton *freeze = bar.button(MySideBar::Freeze);
        freeze->click(); // which gives it a tool tip
        QVERIFY(!freeze->toolTip().isEmpty());
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), freeze->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(freeze, &help);
        QVERIFY(!QToolTip::isVisible());
        // The resolution button hides the caption before its menu opens.
        QCoreApplication::sendEvent(bar.button(MySideBar::Resolution), &enter);
        QVERIFY(caption->isVisible());
        bar.button(MySideBar::Resolution)->click();
        QVERIFY(!caption->isVisible());
        bar.setAvailable(MySideBar::Curtain, false);
        QVERIFY(bar.captionFor(MySideBar::Curtain)
                    .endsWith("\n" + QCoreApplication::translate("MySideBar", "not available yet")));
    }

    void languageChangeRetranslatesFormAndCaptions()
    {
        MySideBar bar(1080, nullptr);
        bar.button(MySideBar::Freeze)->click();
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        const QString freezeText = bar.button(MySideBar::Freeze)->text();
        const QString freezeTip = bar.button(MySideBar::Freeze)->toolTip();
        const QString caption = bar.captionFor(MySideBar::ZoomIn);
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(freezeText, QString("MySideBarClass|冻结"));
        QCOMPARE(freezeTip, QString("MySideBar|yulan"));
        QCOMPARE(caption, QString("MySideBar|fangda"));
        QCOMPARE(bar.windowTitle(), QString("MySideBar"));
    }
};

REGISTER_TEST_CLASS(SideBarTest)
#include "side_bar_test.moc"
