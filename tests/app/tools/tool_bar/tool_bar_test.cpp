// SPDX-License-Identifier: GPL-3.0-or-later

// The tool bar on its own: the toggle state machine and what it refuses in
// every state, the looks (chosen, white photo, recording icons), the two
// screen-size layouts, the hover caption and retranslation.

#include "core/main_window/hover_tip.h"
#include "marking_translator.h"
#include "test_runner.h"
#include "tools/tool_bar/my_tool_bar.h"
#include "tools/tool_bar/tool_bar_styles.h"

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

QImage iconPicture(const QIcon &icon)
{
    return icon.pixmap(QSize(60, 60)).toImage();
}

// One spy per signal, in declaration order.
struct Spies {
    explicit Spies(MyToolBar &bar)
        : folder(&bar, &MyToolBar::signals_wenjianjia), annotate(&bar, &MyToolBar::signals_pizhu),
          video(&bar, &MyToolBar::signals_luxiang), screen(&bar, &MyToolBar::signals_luping),
          photo(&bar, &MyToolBar::signals_paizhao), compare(&bar, &MyToolBar::signals_duibi),
          ocr(&bar, &MyToolBar::signals_ocr), pdf(&bar, &MyToolBar::signals_pdf),
          barCode(&bar, &MyToolBar::signals_tiaoma), pages(&bar, &MyToolBar::signals_lianpai),
          corners(&bar, &MyToolBar::signals_sijiao)
    {
    }
    int total() const
    {
        return folder.count() + annotate.count() + video.count() + screen.count() + photo.count()
            + compare.count() + ocr.count() + pdf.count() + barCode.count() + pages.count()
            + corners.count();
    }
    QSignalSpy folder, annotate, video, screen, photo, compare, ocr, pdf, barCode, pages, corners;
};

} // namespace

class ToolBarTest : public QObject {
    Q_OBJECT

private slots:
    void everyNonIdleStateRefusesTheOtherTools_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("annotate") << int(MyToolBar::Annotate);
        QTest::newRow("record video") << int(MyToolBar::RecordVideo);
        QTest::newRow("record screen") << int(MyToolBar::RecordScreen);
        QTest::newRow("compare") << int(MyToolBar::Compare);
    }

    void everyNonIdleStateRefusesTheOtherTools()
    {
        QFETCH(int, tool);
        MyToolBar bar(1080, nullptr);
        const auto on = MyToolBar::Button(tool);
        bar.button(on)->click();
        QVERIFY(bar.toolActive());
        Spies spies(bar);
        const QString chosenStyle = bar.button(on)->styleSheet();
        QCOMPARE(chosenStyle, toolChosenStyle(bar.button(on)->objectName()));
        for (MyToolBar::Button other : {MyToolBar::Annotate, MyToolBar::RecordVideo,
                                        MyToolBar::RecordScreen, MyToolBar::Photo,
                                        MyToolBar::Compare, MyToolBar::Pdf, MyToolBar::Ocr,
                                        MyToolBar::BarCode, MyToolBar::Pages,
                                        MyToolBar::Corners}) {
            if (other != on)
                bar.button(other)->click();
        }
        // OCR's button is hidden; its slot refuses all the same.
        bar.slots_ocr();
        QCOMPARE(spies.total(), 0);
        QVERIFY(bar.toolActive());
        QCOMPARE(bar.button(on)->styleSheet(), chosenStyle);
        QCOMPARE(int(bar.annotateOn()) + int(bar.recordVideoOn()) + int(bar.recordScreenOn())
                     + int(bar.compareOn()),
                 1);

        // The folder always opens.
        bar.button(MyToolBar::Folder)->click();
        QCOMPARE(spies.folder.count(), 1);

        // Only the same button switches back, with false.
        bar.button(on)->click();
        QVERIFY(!bar.toolActive());
        QSignalSpy *own[] = {&spies.annotate, &spies.video, &spies.screen, nullptr, &spies.compare};
        QSignalSpy &spy = *own[tool - 1];
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        for (QToolButton *button : bar.findChildren<QToolButton *>())
            QCOMPARE(button->styleSheet(), toolNormalStyle(button->objectName()));
    }

    void handsFreePagesIsAToggleToolAndCornersAOneShot()
    {
        MyToolBar bar(1080, nullptr);
        Spies spies(bar);
        bar.button(MyToolBar::Corners)->click();
        QCOMPARE(spies.corners.count(), 1);
        spies.corners.clear();
        bar.button(MyToolBar::Pages)->click();
        QCOMPARE(spies.pages.takeFirst().at(0).toBool(), true);
        QVERIFY(bar.pagesOn());
        QCOMPARE(bar.button(MyToolBar::Pages)->styleSheet(), toolChosenStyle("btn_lianpai"));
        QCOMPARE(iconPicture(bar.button(MyToolBar::Pages)->icon()),
                 iconPicture(QIcon(":/static/tool/lianpai1.png")));
        // While pages are taken: no photo, corners, PDF or other tool.
        for (MyToolBar::Button other : {MyToolBar::Photo, MyToolBar::Corners, MyToolBar::Pdf,
                                        MyToolBar::Annotate, MyToolBar::RecordVideo})
            bar.button(other)->click();
        QCOMPARE(spies.total(), 0);
        // The window releases the button when the mode ends from its panel.
        bar.switchOff(MyToolBar::Pages);
        QVERIFY(!bar.pagesOn());
        QCOMPARE(spies.pages.count(), 0);
        QCOMPARE(iconPicture(bar.button(MyToolBar::Pages)->icon()),
                 iconPicture(QIcon(":/static/tool/lianpai.png")));
        bar.button(MyToolBar::Annotate)->click();
        QCOMPARE(spies.annotate.count(), 1);
    }

    void idleBarAcceptsEveryTool()
    {
        MyToolBar bar(1080, nullptr);
        Spies spies(bar);
        bar.button(MyToolBar::Pdf)->click();
        bar.button(MyToolBar::BarCode)->click();
        bar.slots_ocr();
        bar.button(MyToolBar::Annotate)->click();
        QCOMPARE(spies.pdf.count(), 1);
        QCOMPARE(spies.barCode.count(), 1);
        QCOMPARE(spies.ocr.count(), 1);
        QCOMPARE(spies.annotate.at(0).at(0).toBool(), true);
    }

    void recordingSwapsIconsAndHighlights()
    {
        MyToolBar bar(1080, nullptr);
        for (MyToolBar::Button which : {MyToolBar::RecordVideo, MyToolBar::RecordScreen}) {
            QToolButton *button = bar.button(which);
            const QString word = which == MyToolBar::RecordVideo ? "luxiang" : "luping";
            const QImage plain = iconPicture(QIcon(":/static/tool/" + word + ".png"));
            const QImage recording = iconPicture(QIcon(":/static/tool/" + word + "1.png"));
            QVERIFY(plain != recording);
            QCOMPARE(iconPicture(button->icon()), plain);
            button->click();
            QCOMPARE(iconPicture(button->icon()), recording);
            QVERIFY(button->styleSheet().contains("border:2px solid #0296D6"));
            button->click();
            QCOMPARE(iconPicture(button->icon()), plain);
            QCOMPARE(button->styleSheet(), toolNormalStyle(button->objectName()));
        }
    }

    void aToolThatCouldNotStartIsSwitchedBackOffQuietly()
    {
        MyToolBar bar(1080, nullptr);
        Spies spies(bar);
        QToolButton *video = bar.button(MyToolBar::RecordVideo);
        const QImage plain = iconPicture(video->icon());
        video->click();
        QVERIFY(bar.recordVideoOn());
        bar.switchOff(MyToolBar::RecordVideo);
        QVERIFY(!bar.toolActive());
        QCOMPARE(spies.video.count(), 1);
        QCOMPARE(iconPicture(video->icon()), plain);
        QCOMPARE(video->styleSheet(), toolNormalStyle(video->objectName()));
        // Off already, or a one-shot tool: nothing happens.
        bar.switchOff(MyToolBar::RecordVideo);
        bar.switchOff(MyToolBar::Photo);
        QVERIFY(!bar.toolActive());
        // The next click starts again, and other tools are free meanwhile.
        video->click();
        QCOMPARE(spies.video.last().at(0).toBool(), true);
    }

    void photoStaysWhiteUntilAToggleToolSwitches()
    {
        MyToolBar bar(1080, nullptr);
        QToolButton *photo = bar.button(MyToolBar::Photo);
        // At construction its border is transparent.
        QCOMPARE(photo->styleSheet(), toolFirstPhotoStyle());
        QVERIFY(photo->styleSheet().contains("border:1px solid rgba(0,0,0,0)"));
        QSignalSpy taken(&bar, &MyToolBar::signals_paizhao);
        photo->click();
        QCOMPARE(taken.count(), 1);
        QCOMPARE(photo->styleSheet(), QString::fromLatin1(kPhotoWhiteStyle));
        bar.button(MyToolBar::Folder)->click();
        bar.button(MyToolBar::Pdf)->click();
        QCOMPARE(photo->styleSheet(), QString::fromLatin1(kPhotoWhiteStyle));
        bar.button(MyToolBar::Compare)->click();
        QCOMPARE(photo->styleSheet(), toolNormalStyle("btn_paizhao"));
        // Refused while compare is on: stays normal.
        photo->click();
        QCOMPARE(taken.count(), 1);
        QCOMPARE(photo->styleSheet(), toolNormalStyle("btn_paizhao"));
    }

    void layoutFollowsTheScreenHeight()
    {
        MyToolBar large(966, nullptr);
        MyToolBar small(965, nullptr);
        QCOMPARE(large.button(MyToolBar::Photo)->size(), QSize(60, 60));
        QCOMPARE(large.button(MyToolBar::Photo)->iconSize(), QSize(60, 60));
        QCOMPARE(small.button(MyToolBar::Photo)->size(), QSize(52, 52));
        QCOMPARE(small.button(MyToolBar::Photo)->iconSize(), QSize(52, 52));
        QCOMPARE(large.size(), QSize(760, 80));
        QCOMPARE(small.size(), QSize(672, 80));
        QCOMPARE(large.maximumSize(), QSize(812, 140));
        QVERIFY(large.windowFlags().testFlag(Qt::Tool));
        QVERIFY(large.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!large.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!large.button(MyToolBar::Ocr)->isHidden());
        QVERIFY(!large.mask().contains(QPoint(0, 0)));
        QVERIFY(large.mask().contains(QPoint(380, 40)));
        QCOMPARE(large.styleSheet(),
                 QString("background-color:#ededed;border: 1px solid #ededed;border-radius:10px;"));
    }

    void aBusyToolKeepsItsLookThroughToggleRestyles()
    {
        MyToolBar bar(1080, nullptr);
        QToolButton *ocr = bar.button(MyToolBar::Ocr);
        const QString normal = ocr->styleSheet();
        bar.setBusy(MyToolBar::Ocr, true);
        QVERIFY(bar.isBusy(MyToolBar::Ocr));
        QVERIFY(ocr->styleSheet().contains("dashed"));
        bar.slots_pizhu(); // annotation on and off restyles every button
        bar.slots_pizhu();
        QVERIFY(ocr->styleSheet().contains("dashed"));
        bar.setBusy(MyToolBar::Ocr, false);
        QCOMPARE(ocr->styleSheet(), normal);
    }

    void captionSitsAboveTheButtonAndTellsWhatIsMissing()
    {
        MyToolBar bar(1080, nullptr);
        bar.move(300, 900);
        bar.show();
        QToolButton *photo = bar.button(MyToolBar::Photo);
        bar.setShortcutHint(MyToolBar::Photo, QKeySequence(Qt::CTRL + Qt::Key_S));
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(photo, &enter);
        QLabel *caption = bar.hoverTip().label();
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->text(), QCoreApplication::translate("MyToolBar", "paizhao") + "  (Ctrl+S)");
        const QPoint global = photo->mapToGlobal(QPoint(0, 0));
        QCOMPARE(caption->pos(), QPoint(global.x() - caption->width() / 2 + 30, global.y() - 60));
        QEvent leave(QEvent::HoverLeave);
        QCoreApplication::sendEvent(photo, &leave);
        QVERIFY(!caption->isVisible());

        bar.setAvailable(MyToolBar::Pdf, false);
        QVERIFY(!bar.button(MyToolBar::Pdf)->isEnabled());
        QCoreApplication::sendEvent(bar.button(MyToolBar::Pdf), &enter);
        QCOMPARE(caption->text(), QCoreApplication::translate("MyToolBar", "pdf") + "\n"
                                      + QCoreApplication::translate("MyToolBar", "not available yet"));
        // A disabled button sends nothing, whatever the state.
        QSignalSpy pdf(&bar, &MyToolBar::signals_pdf);
        bar.button(MyToolBar::Pdf)->click();
        QCOMPARE(pdf.count(), 0);
    }

    void languageChangeRetranslatesFormAndCaptions()
    {
        MyToolBar bar(1080, nullptr);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        const QString folderText = bar.button(MyToolBar::Folder)->text();
        const QString caption = bar.captionFor(MyToolBar::BarCode);
        const QString title = bar.windowTitle();
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(folderText, QString("MyToolBarClass|文件夹"));
        QCOMPARE(title, QString("MyToolBarClass|MyToolBar"));
        QCOMPARE(caption, QString("MyToolBar|tiaomashibie"));
        QCOMPARE(bar.button(MyToolBar::Folder)->text(), QString("文件夹"));
        // Style sheets are not texts.
        QCOMPARE(bar.button(MyToolBar::Folder)->styleSheet(), toolNormalStyle("btn_wenjianjia"));
    }
};

REGISTER_TEST_CLASS(ToolBarTest)
#include "tool_bar_test.moc"
