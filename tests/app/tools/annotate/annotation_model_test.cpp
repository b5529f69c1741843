// The annotation model without a window: what the eraser takes and leaves,
// which text a point hits, and undo and redo across strokes, texts, drags,
// erases and clears.

#include "test_runner.h"
#include "tools/annotate/annotation_model.h"

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QPolygonF>
#include <QtTest>

namespace {

QPixmap bluePicture(int width = 400, int height = 300)
{
    QPixmap picture(width, height);
    picture.fill(Qt::blue);
    return picture;
}

QPolygonF squareAround(const QPointF &centre, qreal side = 40)
{
    return QPolygonF(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
}

const QPen kPen(Qt::red, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// A stroke of n segments along y = `y`, 10 apart from x = 20.
void drawStroke(AnnotationModel &model, qreal y, int segments)
{
    model.beginStroke();
    for (int i = 0; i < segments; ++i)
        model.addSegment(QPointF(20 + 10 * i, y), QPointF(30 + 10 * i, y), kPen);
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
        QGraphicsTextItem *text =
            model.placeText("note", QPointF(200, 200), QFont(), Qt::red);
        QCOMPARE(model.drawnItems().size(), 11);

        // The pen is 5 wide: a square 23 below the line misses it, one 21
        // below touches its edge and takes every segment it reaches (x 30
        // to 70 reaches six, the round ends included).
        QCOMPARE(model.eraseIn(squareAround(QPointF(50, 100 + 23))), 0);
        QCOMPARE(model.eraseIn(squareAround(QPointF(50, 100 + 21))), 6);
        QCOMPARE(model.drawnItems().size(), 5);
        // Over the text (and the picture under everything).
        QCOMPARE(model.eraseIn(squareAround(text->sceneBoundingRect().center())), 1);
        QVERIFY(model.texts().isEmpty());
        QCOMPARE(model.eraseIn(squareAround(QPointF(350, 50))), 0);
        QVERIFY(model.picture()->scene() == model.scene());
        // A square covering the whole page takes the rest, still not the picture.
        QCOMPARE(model.eraseIn(squareAround(QPointF(200, 150), 1000)), 4);
        QVERIFY(model.drawnItems().isEmpty());
        QVERIFY(model.picture()->scene() == model.scene());
    }

    void pressOnATextFindsTheFirstPlacedOneOnThePage()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        QGraphicsTextItem *first = model.placeText("first", QPointF(100, 100), QFont(), Qt::red);
        QGraphicsTextItem *second = model.placeText("second", QPointF(105, 102), QFont(), Qt::red);
        const QPointF overBoth = QPointF(110, 108);
        QCOMPARE(model.textAt(overBoth), first);
        QCOMPARE(model.textAt(QPointF(10, 10)), nullptr);
        // An erased text is not dragged from where it was.
        model.eraseIn(squareAround(QPointF(103, 104), 2));
        QCOMPARE(model.textAt(overBoth), second);
        model.undo();
        QCOMPARE(model.textAt(overBoth), first);
        QVERIFY(second->scene() == model.scene());
    }

    void undoAndRedoGoOverStrokesTextsDragsErasesAndClears()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        QVERIFY(!model.history().canUndo());
        drawStroke(model, 50, 4);
        drawStroke(model, 150, 3);
        QGraphicsTextItem *text = model.placeText("t", QPointF(300, 250), QFont(), Qt::green);
        model.beginDrag(text);
        model.dragBy(QPointF(-100, -20));
        model.dragBy(QPointF(-50, 0));
        model.finishGesture();
        QCOMPARE(text->pos(), QPointF(150, 230));
        // One erase sweep over both strokes and the text is one step.
        model.beginErase();
        model.eraseIn(squareAround(QPointF(25, 50)));  // 3 of the first stroke's 4
        model.eraseIn(squareAround(QPointF(10, 150))); // 2 of the second's 3
        model.eraseIn(squareAround(text->sceneBoundingRect().center()));
        model.finishGesture();
        const int afterErase = model.drawnItems().size();
        QCOMPARE(afterErase, 2);
        model.clearDrawing();
        QVERIFY(model.drawnItems().isEmpty());
        QCOMPARE(model.history().count(), 6);

        model.undo(); // clear
        QCOMPARE(model.drawnItems().size(), afterErase);
        model.undo(); // erase
        QCOMPARE(model.drawnItems().size(), 8);
        QVERIFY(text->scene() == model.scene());
        model.undo(); // drag
        QCOMPARE(text->pos(), QPointF(300, 250));
        model.undo(); // text
        QCOMPARE(model.texts().size(), 0);
        model.undo(); // second stroke, all three segments at once
        QCOMPARE(model.drawnItems().size(), 4);
        model.redo();
        model.redo();
        QCOMPARE(model.drawnItems().size(), 8);
        // Items come back in their old stacking order.
        const QList<QGraphicsItem *> items = model.drawnItems();
        for (int i = 1; i < items.size(); ++i)
            QVERIFY(items[i - 1]->zValue() < items[i]->zValue());
        model.redo(); // drag
        QCOMPARE(text->pos(), QPointF(150, 230));
        model.redo(); // erase
        model.redo(); // clear
        QVERIFY(model.drawnItems().isEmpty());
        QVERIFY(!model.history().canRedo());

        // A new step after undoing drops what could have been redone.
        model.undo();
        drawStroke(model, 280, 1);
        QVERIFY(!model.history().canRedo());
        QCOMPARE(model.drawnItems().size(), afterErase + 1);
    }

    void stepsThatChangeNothingAreNotRecorded()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        model.beginStroke();
        model.finishGesture();
        model.beginErase();
        model.eraseIn(squareAround(QPointF(200, 150)));
        model.finishGesture();
        model.clearDrawing();
        QGraphicsTextItem *text = model.placeText("t", QPointF(10, 10), QFont(), Qt::red);
        model.beginDrag(text);
        model.finishGesture();
        QCOMPARE(model.history().count(), 1);
    }

    void resetStartsOverWithTheNewPicture()
    {
        AnnotationModel model;
        model.reset(bluePicture());
        drawStroke(model, 50, 3);
        model.placeText("t", QPointF(900, 900), QFont(), Qt::red);
        model.beginErase();
        model.eraseIn(squareAround(QPointF(30, 50)));
        model.finishGesture();
        model.reset(bluePicture(200, 100));
        QVERIFY(model.drawnItems().isEmpty());
        QVERIFY(model.texts().isEmpty());
        QCOMPARE(model.history().count(), 0);
        QCOMPARE(model.picture()->pixmap().size(), QSize(200, 100));
        // A text placed off the picture does not widen what the view centres.
        QCOMPARE(model.scene()->sceneRect(), QRectF(0, 0, 200, 100));
        QVERIFY(model.pictureContains(QPointF(199, 99)));
        QVERIFY(!model.pictureContains(QPointF(200, 50)));
        model.reset(QPixmap());
        QVERIFY(!model.pictureContains(QPointF(0, 0)));
    }
};

REGISTER_TEST_CLASS(AnnotationModelTest)
#include "annotation_model_test.moc"
