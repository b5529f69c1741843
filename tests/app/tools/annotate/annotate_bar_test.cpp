// SPDX-License-Identifier: GPL-3.0-or-later

// The annotation bar on its own: its radio groups and toggles under any
// sequence of clicks, the font-size mapping and the two layouts.

#include "test_runner.h"
#include "tools/annotate/my_annotate_bar.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

using Bar = MyAnnotateBar;

void click(Bar &bar, int which)
{
    static_cast<QToolButton *>(bar.control(Bar::Control(which)))->click();
}

QList<int> highlightedOf(const Bar &bar, int first, int last)
{
    QList<int> on;
    for (int i = first; i <= last; ++i)
        if (bar.isHighlighted(Bar::Control(i)))
            on << i;
    return on;
}

} // namespace

class AnnotateBarTest : public QObject {
    Q_OBJECT

private slots:
    void groupsKeepOneChoiceAndTogglesExcludeEachOther()
    {
        Bar bar(1080, nullptr);
        QCOMPARE(highlightedOf(bar, Bar::Small, Bar::Large), QList<int>{Bar::Medium});
        QCOMPARE(highlightedOf(bar, Bar::Red, Bar::Magenta), QList<int>{Bar::Red});
        QSignalSpy cyan(&bar, &Bar::signals_qing), large(&bar, &Bar::signals_da);
        for (int which : {Bar::Large, Bar::Cyan, Bar::Large, Bar::Small, Bar::Magenta, Bar::Cyan}) {
            click(bar, which);
            const bool width = which <= Bar::Large;
            QCOMPARE(width ? highlightedOf(bar, Bar::Small, Bar::Large)
                           : highlightedOf(bar, Bar::Red, Bar::Magenta),
                     QList<int>{which});
            QCOMPARE(highlightedOf(bar, Bar::Small, Bar::Large).size(), 1);
            QCOMPARE(highlightedOf(bar, Bar::Red, Bar::Magenta).size(), 1);
        }
        QCOMPARE(cyan.count(), 2); // a chosen button still says so
        QCOMPARE(large.count(), 2);

        // Text and eraser: pressing one releases the other, pressing the
        // pressed one releases it.
        const struct { int click; bool text, eraser; } steps[] = {
            {Bar::Text, true, false},  {Bar::Eraser, false, true}, {Bar::Eraser, false, false},
            {Bar::Eraser, false, true}, {Bar::Text, true, false},  {Bar::Text, false, false}};
        QSignalSpy text(&bar, &Bar::signals_text), eraser(&bar, &Bar::signals_xiangpicha);
        for (const auto &step : steps) {
            click(bar, step.click);
            QCOMPARE(bar.textOn(), step.text);
            QCOMPARE(bar.eraserOn(), step.eraser);
            QCOMPARE(bar.isHighlighted(Bar::Text), step.text);
            QCOMPARE(bar.isHighlighted(Bar::Eraser), step.eraser);
        }
        QCOMPARE(text.count() + eraser.count(), 6);
    }

    void fontSizeEntriesMapToPointSizes()
    {
        const int expected[] = {12, 12, 14, 16, 18, 20, 22, 24, 12};
        for (int index = -1; index <= 7; ++index)
            QCOMPARE(fontSizeForIndex(index), expected[index + 1]);
        Bar bar(1080, nullptr);
        auto *box = static_cast<QComboBox *>(bar.control(Bar::FontSize));
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
        QVERIFY(large.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!large.control(Bar::Undo)->isEnabled());
        QVERIFY(large.captionFor(Bar::Undo).contains("Ctrl+Z"));
    }
};

REGISTER_TEST_CLASS(AnnotateBarTest)
#include "annotate_bar_test.moc"
