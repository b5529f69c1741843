// SPDX-License-Identifier: GPL-3.0-or-later

// The annotation model without a window: what the eraser takes and leaves,
// and undo and redo across strokes, texts, drags, erases and clears.

#include "test_runner.h"
#include "tools/annotate/annotation_model.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QPolygonF>
#include <QtTest>

namespace {

QPixmap bluePicture()
{
    QPixmap picture(400, 300);
    picture.fill(Qt::blue);
    return picture;
}

QPolygonF squareAround(const QPointF &centre, qreal side = 40)
{
    return QPolygonF(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
}

// A stroke of n segments 10 long along y, from x = 20.
void drawStroke(AnnotationModel &model, qreal y, int segments)
{
    const QPen pen(Qt::red, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    model.beginStroke();
    for (int i = 0; i < segments; ++i)
        model.addSegment(QPointF(20 + 10 * i, y), QPointF(30 + 10 * i, y), pen);
    model.finishGesture();
}

} // namespace

class AnnotationModelTest : public QObject {
    Q_OBJECT

private slots:
    void eraserTakesStrokesAndTextsButNeverThePicture()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        drawStroke(model, 100, 10); // x 20..120
        QGraphicsTextItem *text = model.placeText("note", QPointF(200, 200), QFont(), Qt::red);
        // The pen is 5 wide: a square 23 below the line misses it; one 21
        // below touches its edge and takes the six segments within x 30..70
        // (round ends included).
        QCOMPARE(model.eraseIn(squareAround(QPointF(50, 123))), 0);
        QCOMPARE(model.eraseIn(squareAround(QPointF(50, 121))), 6);
        QCOMPARE(model.eraseIn(squareAround(text->sceneBoundingRect().center())), 1);
        // An erased text is not found (nor dragged) where it was.
        QCOMPARE(model.textAt(text->sceneBoundingRect().center()), nullptr);
        QCOMPARE(model.eraseIn(squareAround(QPointF(200, 150), 1000)), 4);
        QVERIFY(model.drawnItems().isEmpty());
        QVERIFY(model.picture()->scene() == model.scene());
    }

    void undoAndRedoGoOverStrokesTextsDragsErasesAndClears()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        drawStroke(model, 50, 4);  // x 20..60
        drawStroke(model, 150, 3); // x 20..50
        QGraphicsTextItem *text = model.placeText("t", QPointF(300, 250), QFont(), Qt::green);
        model.beginDrag(text);
        model.dragBy(QPointF(-100, -20));
        model.dragBy(QPointF(-50, 0));
        model.finishGesture();
        QCOMPARE(text->pos(), QPointF(150, 230));
        // One sweep over both strokes and the text is one step.
        model.beginErase();
        model.eraseIn(squareAround(QPointF(25, 50)));  // 3 of the first stroke
        model.eraseIn(squareAround(QPointF(10, 150))); // 2 of the second
        model.eraseIn(squareAround(text->sceneBoundingRect().center()));
        model.finishGesture();
        QCOMPARE(model.drawnItems().size(), 2);
        model.clearDrawing();
        QVERIFY(model.drawnItems().isEmpty());
        QCOMPARE(model.history().count(), 6);

        model.undo(); // clear
        QCOMPARE(model.drawnItems().size(), 2);
        model.undo(); // erase
        QCOMPARE(model.drawnItems().size(), 8);
        model.undo(); // drag
        QCOMPARE(text->pos(), QPointF(300, 250));
        model.undo(); // text
        model.undo(); // the second stroke, all its segments
        QCOMPARE(model.drawnItems().size(), 4);
        for (int i = 0; i < 5; ++i)
            model.redo();
        QVERIFY(model.drawnItems().isEmpty());
        QCOMPARE(text->pos(), QPointF(150, 230));
        // Undone items come back in their stacking order.
        model.undo();
        model.undo();
        const QList<QGraphicsItem *> items = model.drawnItems();
        QCOMPARE(items.size(), 8);
        for (int i = 1; i < items.size(); ++i)
            QVERIFY(items[i - 1]->zValue() < items[i]->zValue());
        // A new step drops what could have been redone; nothing that
        // changed nothing is a step.
        drawStroke(model, 280, 1);
        model.beginErase();
        model.eraseIn(squareAround(QPointF(380, 20)));
        model.finishGesture();
        QVERIFY(!model.history().canRedo());
        QCOMPARE(model.history().count(), 5);
        model.reset(bluePicture());
        QVERIFY(model.drawnItems().isEmpty());
        QCOMPARE(model.history().count(), 0);
    }
};

REGISTER_TEST_CLASS(AnnotationModelTest)
#include "annotation_model_test.moc"
