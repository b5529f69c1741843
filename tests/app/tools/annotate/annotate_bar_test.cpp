// The annotation bar on its own: its radio groups and toggles under any
// sequence of clicks, the font-size mapping, the two layouts, the undo
// button, captions and retranslation.

#include "core/main_window/hover_tip.h"
#include "marking_translator.h"
#include "test_runner.h"
#include "tools/annotate/annotate_bar_styles.h"
#include "tools/annotate/my_annotate_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

using Bar = MyAnnotateBar;

void click(Bar &bar, Bar::Control which)
{
    static_cast<QToolButton *>(bar.control(which))->click();
}

QList<Bar::Control> highlightedOf(const Bar &bar, Bar::Control first, Bar::Control last)
{
    QList<Bar::Control> on;
    for (int i = first; i <= last; ++i)
        if (bar.isHighlighted(Bar::Control(i)))
            on << Bar::Control(i);
    return on;
}

} // namespace

class AnnotateBarTest : public QObject {
    Q_OBJECT

private slots:
    void radioGroupsAlwaysKeepExactlyOneHighlighted()
    {
        Bar bar(1080, nullptr);
        QCOMPARE(highlightedOf(bar, Bar::Small, Bar::Large), QList<Bar::Control>{Bar::Medium});
        QCOMPARE(highlightedOf(bar, Bar::Red, Bar::Magenta), QList<Bar::Control>{Bar::Red});

        QSignalSpy small(&bar, &Bar::signals_xiao), large(&bar, &Bar::signals_da),
            cyan(&bar, &Bar::signals_qing), magenta(&bar, &Bar::signals_meihong);
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            const bool width = random.bounded(2) == 0;
            const auto which = width ? Bar::Control(Bar::Small + random.bounded(3))
                                     : Bar::Control(Bar::Red + random.bounded(6));
            click(bar, which);
            // The clicked one is the only one of its group; the other group
            // keeps its choice.
            const auto group = width ? highlightedOf(bar, Bar::Small, Bar::Large)
                                     : highlightedOf(bar, Bar::Red, Bar::Magenta);
            QCOMPARE(group, QList<Bar::Control>{which});
            QCOMPARE(highlightedOf(bar, Bar::Small, Bar::Large).size(), 1);
            QCOMPARE(highlightedOf(bar, Bar::Red, Bar::Magenta).size(), 1);
        }
        const int before = small.count();
        click(bar, Bar::Small);
        click(bar, Bar::Small);
        QCOMPARE(small.count(), before + 2); // a chosen button still emits
        QVERIFY(large.count() + cyan.count() + magenta.count() > 0);
        // The cyan button keeps its historic object name.
        QCOMPARE(bar.control(Bar::Cyan)->objectName(), QString("btn_juhuang"));
    }

    void textAndEraserAreNeverPressedTogether()
    {
        Bar bar(1080, nullptr);
        QSignalSpy text(&bar, &Bar::signals_text), eraser(&bar, &Bar::signals_xiangpicha);
        // mode follows the rule of the page: a toggle switches its own mode
        // on from any other and back to the pen.
        enum { Pen, Eraser, Text } mode = Pen;
        QRandomGenerator random(11);
        for (int round = 0; round < 100; ++round) {
            if (random.bounded(2) == 0) {
                click(bar, Bar::Text);
                mode = mode == Text ? Pen : Text;
            } else {
                click(bar, Bar::Eraser);
                mode = mode == Eraser ? Pen : Eraser;
            }
            QCOMPARE(bar.textOn(), mode == Text);
            QCOMPARE(bar.eraserOn(), mode == Eraser);
            QCOMPARE(bar.isHighlighted(Bar::Text), mode == Text);
            QCOMPARE(bar.isHighlighted(Bar::Eraser), mode == Eraser);
        }
        QCOMPARE(text.count() + eraser.count(), 100);
    }

    void fontSizeEntriesMapToPointSizes()
    {
        const int expected[] = {12, 14, 16, 18, 20, 22, 24};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(fontSizeForIndex(i), expected[i]);
        for (int outside : {-1, 7, 100})
            QCOMPARE(fontSizeForIndex(outside), 12);

        Bar bar(1080, nullptr);
        auto *box = static_cast<QComboBox *>(bar.control(Bar::FontSize));
        QCOMPARE(box->count(), 7);
        QSignalSpy font(&bar, &Bar::signals_font);
        box->setCurrentIndex(6);
        box->setCurrentIndex(0);
        QCOMPARE(font.count(), 2);
        QCOMPARE(font.at(0).at(0).toInt(), 24);
        QCOMPARE(font.at(1).at(0).toInt(), 12);
    }

    void layoutFollowsTheScreenHeight()
    {
        Bar large(966, nullptr);
        Bar small(965, nullptr);
        QCOMPARE(large.size(), QSize(760, 60));
        QCOMPARE(small.size(), QSize(460, 40));
        for (int i = 0; i < Bar::kControlCount; ++i) {
            QCOMPARE(large.control(Bar::Control(i))->geometry(), QRect(10 + 50 * i, 10, 40, 40));
            QCOMPARE(small.control(Bar::Control(i))->geometry(), QRect(10 + 30 * i, 10, 20, 20));
        }
        QCOMPARE(large.control(Bar::FontSize)->font().pointSize(), 9);
        const Qt::WindowFlags flags = large.windowFlags();
        QVERIFY(flags.testFlag(Qt::Tool) && flags.testFlag(Qt::FramelessWindowHint)
                && flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!large.mask().contains(QPoint(0, 0)));
        QVERIFY(large.mask().contains(QPoint(380, 30)));
    }

    void undoButtonIsUsableOnlyWithSomethingToUndo()
    {
        Bar bar(1080, nullptr);
        QSignalSpy undo(&bar, &Bar::signals_chexiao);
        QVERIFY(!bar.control(Bar::Undo)->isEnabled());
        click(bar, Bar::Undo);
        QCOMPARE(undo.count(), 0);
        bar.setUndoAvailable(true);
        click(bar, Bar::Undo);
        QCOMPARE(undo.count(), 1);
        QVERIFY(bar.captionFor(Bar::Undo).contains("Ctrl+Z"));
    }

    void captionSitsAboveTheControl()
    {
        Bar bar(1080, nullptr);
        bar.move(300, 850);
        bar.show();
        QWidget *eraser = bar.control(Bar::Eraser);
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(eraser, &enter);
        QLabel *caption = bar.hoverTip().label();
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->text(), QCoreApplication::translate("MyAnnotateBar", "xiangpicha"));
        const QPoint global = eraser->mapToGlobal(QPoint(0, 0));
        QCOMPARE(caption->pos(), QPoint(global.x() - caption->width() / 2 + 20, global.y() - 50));
        QEvent leave(QEvent::HoverLeave);
        QCoreApplication::sendEvent(eraser, &leave);
        QVERIFY(!caption->isVisible());
        // Escape does not close the panel.
        QTest::keyClick(&bar, Qt::Key_Escape);
        QVERIFY(bar.isVisible());
    }

    void languageChangeRetranslatesFormAndCaptions()
    {
        Bar bar(1080, nullptr);
        click(bar, Bar::Blue);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        const QString saveText = static_cast<QToolButton *>(bar.control(Bar::Save))->text();
        const QString caption = bar.captionFor(Bar::Cyan);
        const QString title = bar.windowTitle();
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(saveText, QString("MyAnnotateBarClass|保存"));
        QCOMPARE(title, QString("MyAnnotateBarClass|MyAnnotateBar"));
        QCOMPARE(caption, QString("MyAnnotateBar|qingse"));
        // Highlights are styles, not texts: the choice survives.
        QCOMPARE(bar.control(Bar::Blue)->styleSheet(), annotateChosenStyle("btn_lan"));
    }
};

REGISTER_TEST_CLASS(AnnotateBarTest)
#include "annotate_bar_test.moc"
