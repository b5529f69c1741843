// SPDX-License-Identifier: GPL-3.0-or-later

// The compare view's state without widgets: the three layouts, turning and
// zooming (and what a window then shows), and which windows a press
// selects and a rotate or zoom reaches.

#include "test_runner.h"
#include "tools/compare/compare_model.h"
#include "tools/compare/compare_picture.h"

#include <QtTest>

namespace {

// Red top-left quarter on blue: every turn moves the red corner.
QImage cornerPicture()
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            picture.setPixelColor(x, y, Qt::red);
    return picture;
}

} // namespace

class CompareModelTest : public QObject {
    Q_OBJECT

private slots:
    void layoutsFillThePageWithTwentyPixelGaps()
    {
        auto two = compareWindowRects(CompareLayout::Two, 1014, 960);
        QCOMPARE(two[0], QRect(20, 20, 477, 920));
        QCOMPARE(two[1], QRect(517, 20, 477, 920));
        QCOMPARE(compareWindowRects(CompareLayout::Four, 1014, 960)[3], QRect(517, 490, 477, 450));
        auto six = compareWindowRects(CompareLayout::Six, 1014, 960);
        const int xs[] = {20, 351, 682};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(six[size_t(i)], QRect(xs[i % 3], i < 3 ? 20 : 490, 311, 450));
    }

    void turnsWrapAndZoomStopsAtFourFifths()
    {
        QCOMPARE(turnedBy(0, -1), 3);
        int turns = 0, crop = 0;
        for (int i = 0; i < 4; ++i)
            turns = turnedBy(turns, +1);
        QCOMPARE(turns, 0);
        QCOMPARE(croppedBy(0, -1), 0);
        QList<int> steps;
        for (int i = 0; i < 10; ++i)
            steps << (crop = croppedBy(crop, +1));
        // Counted in steps, so rounding never lets a click zoom back out.
        QCOMPARE(steps, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 8, 8}));
        QCOMPARE(compareCutOut(QSize(1000, 500), 8), QRect(400, 200, 200, 100));
        QCOMPARE(compareCutOut(QSize(3, 3), 8).size(), QSize(1, 1));
    }

    void theViewShowsTurnAndZoomTogether()
    {
        const QImage right = compareView(cornerPicture(), 1, 0, QSize(20, 40));
        QCOMPARE(right.pixelColor(18, 2), QColor(Qt::red));
        QCOMPARE(right.pixelColor(2, 2), QColor(Qt::blue));
        QCOMPARE(compareView(cornerPicture(), 3, 0, QSize(20, 40)).pixelColor(2, 38), QColor(Qt::red));
        // The middle fifth, turned right: red in the top-right quarter only.
        const QImage both = compareView(cornerPicture(), 1, 8, QSize(100, 100));
        QCOMPARE(both.pixelColor(90, 10), QColor(Qt::red));
        QCOMPARE(both.pixelColor(10, 10), QColor(Qt::blue));
    }

    void aPressSelectsOnlyShownWindows()
    {
        CompareModel model;
        model.applyLayout(CompareLayout::Six, 1014, 960);
        QCOMPARE(model.selectAt(QPoint(400, 500)), 5);
        QCOMPARE(model.selectAt(QPoint(10, 10)), 0);
        QCOMPARE(model.selectAt(QPoint(700, 100)), 3);
        // A layout that hides the selected window ends the selection.
        QVERIFY(model.applyLayout(CompareLayout::Two, 1014, 960));
        QCOMPARE(model.selected(), 0);
        model.applyLayout(CompareLayout::Six, 1014, 960);
        QCOMPARE(model.selectAt(QPoint(300, 100)), 1);
        QVERIFY(!model.applyLayout(CompareLayout::Four, 1014, 960));
        QCOMPARE(model.selected(), 1);
        // Between windows 3 and 4, where hidden window 5 was: none.
        QCOMPARE(model.selectAt(QPoint(505, 600)), 0);
    }

    void rotateAndZoomReachTheSelectedOrEveryWindowWithAPicture()
    {
        CompareModel model;
        model.applyLayout(CompareLayout::Six, 1014, 960);
        QVERIFY(model.setPicture(2, cornerPicture()));
        QVERIFY(model.setPicture(6, cornerPicture()));
        QVERIFY(!model.setPicture(3, QImage()));
        model.applyLayout(CompareLayout::Two, 1014, 960);
        // None selected: hidden window 6 turns as well, empty ones do not.
        QCOMPARE(model.rotate(+1), QVector<int>({2, 6}));
        QCOMPARE(model.selectAt(QPoint(30, 30)), 1);
        QVERIFY(model.rotate(+1).isEmpty());
        QCOMPARE(model.selectAt(QPoint(600, 30)), 2);
        QCOMPARE(model.zoom(+1), QVector<int>({2}));
        QCOMPARE(model.window(2).cropTenths, 1);
        QCOMPARE(model.window(6).cropTenths, 0);
        // A layout change keeps what the window shows; a new picture starts
        // plain.
        const QImage before = model.view(2);
        model.applyLayout(CompareLayout::Four, 1014, 960);
        model.applyLayout(CompareLayout::Two, 1014, 960);
        QCOMPARE(model.view(2), before);
        QVERIFY(model.setPicture(2, cornerPicture()));
        QCOMPARE(model.window(2).quarterTurns + model.window(2).cropTenths, 0);
    }
};

REGISTER_TEST_CLASS(CompareModelTest)
#include "compare_model_test.moc"
