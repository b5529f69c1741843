// SPDX-License-Identifier: GPL-3.0-or-later

// The curtain's edges without a window: the first layout, the limits of
// each handle's drag, and presses that pick no handle.

#include "test_runner.h"

#include "tools/curtain/curtain_geometry.h"

#include <QtTest>

namespace {

// Drags from the middle of a handle by (dx, dy) in two moves, on a curtain
// whose window sits at its curtain rectangle.
void drag(CurtainGeometry &g, const QRect &handle, int dx, int dy)
{
    const QPoint global = handle.center() + g.curtainRect().topLeft();
    g.press(handle.center(), global);
    g.move(global + QPoint(dx / 2, dy / 2));
    g.move(global + QPoint(dx, dy));
    g.release();
}

} // namespace

class CurtainGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void aNewCurtainCoversTheScreenWithItsHandlesOnTheEdges()
    {
        const CurtainGeometry g(1920, 1040);
        QCOMPARE(g.curtainRect(), QRect(0, 0, 1920, 1040));
        QCOMPARE(g.closeButtonRect(), QRect(944, 504, 32, 32));
        QCOMPARE(g.leftHandleRect(), QRect(0, 491, 25, 58));
        QCOMPARE(g.topHandleRect(), QRect(931, 0, 58, 25));
        QCOMPARE(g.rightHandleRect(), QRect(1895, 491, 25, 58));
        QCOMPARE(g.bottomHandleRect(), QRect(931, 1015, 58, 25));
    }

    void rightAndBottomStopAt84AndAtTheScreenSize()
    {
        CurtainGeometry g(1920, 1040);
        drag(g, g.rightHandleRect(), -500, 0);
        QCOMPARE(g.curtainRect(), QRect(0, 0, 1420, 1040));
        QCOMPARE(g.rightHandleRect().topLeft(), QPoint(1395, 491));
        drag(g, g.rightHandleRect(), -5000, 0);
        QCOMPARE(g.curtainRect().width(), 84);
        drag(g, g.rightHandleRect(), 9000, 0);
        QCOMPARE(g.curtainRect().width(), 1920);
        drag(g, g.bottomHandleRect(), 0, -3000);
        QCOMPARE(g.curtainRect(), QRect(0, 0, 1920, 84));
        drag(g, g.bottomHandleRect(), 0, 9000);
        QCOMPARE(g.curtainRect().height(), 1040);
    }

    void leftAndTopStopAt1AndNeverCrossTheFarEdge()
    {
        CurtainGeometry g(1920, 1040);
        drag(g, g.leftHandleRect(), 300, 0);
        QCOMPARE(g.curtainRect(), QRect(300, 0, 1620, 1040));
        drag(g, g.leftHandleRect(), -1000, 0);
        QCOMPARE(g.curtainRect(), QRect(1, 0, 1919, 1040));
        drag(g, g.leftHandleRect(), 5000, 0);
        QCOMPARE(g.curtainRect(), QRect(1836, 0, 84, 1040));
        drag(g, g.topHandleRect(), 0, -999);
        QCOMPARE(g.curtainRect().top(), 1);
        drag(g, g.topHandleRect(), 0, 2000);
        QCOMPARE(g.curtainRect(), QRect(1836, 956, 84, 84));
    }

    void movesWithoutAHandleChangeNothing()
    {
        CurtainGeometry g(800, 600);
        g.press(QPoint(400, 300), QPoint(400, 300));
        g.move(QPoint(100, 100));
        QCOMPARE(g.curtainRect(), QRect(0, 0, 800, 600));
        drag(g, g.rightHandleRect(), -100, 0);
        g.move(QPoint(0, 0)); // after the release
        QCOMPARE(g.curtainRect(), QRect(0, 0, 700, 600));
    }
};

REGISTER_TEST_CLASS(CurtainGeometryTest)
#include "curtain_geometry_test.moc"
