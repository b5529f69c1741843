// The annotation page driven like the main window drives it, without the
// main window: pen steps, strokes off and back onto the picture, the
// eraser's sweep, text entry and dragging, clear, zoom bounds, switching on
// and off, the undo keys, and saving what the page shows.

#include "annotation_page_host.h"
#include "test_runner.h"
#include "tools/annotate/annotation_picture.h"

#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>

namespace {

QImage picture(int width = 400, int height = 300)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(40, 90, 200));
    return image;
}

QList<QLineF> segments(AnnotationModel &model)
{
    QList<QLineF> lines;
    for (QGraphicsItem *item : model.drawnItems())
        if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item))
            lines << line->line();
    return lines;
}

bool keyPress(AnnotationPageController &page, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    return page.keyPress(&event);
}

void wheel(AnnotationPageController &page, int delta)
{
    QWheelEvent event(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    page.wheel(&event);
}

// Mean difference per channel of two pictures of the same size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

class AnnotationPageTest : public QObject {
    Q_OBJECT

private slots:
    void penDrawsOnlyMovesOfMoreThanTwoPixels()
    {
        AnnotationPageHost host;
        host.page->switchAnnotation(true, picture());
        AnnotationModel &model = host.page->model();
        const QPoint start = host.windowPointOf(QPointF(100, 100));
        host.press(start);
        host.move(start + QPoint(2, 2));
        host.move(start + QPoint(-2, 2));
        QVERIFY(model.drawnItems().isEmpty());
        host.move(start + QPoint(3, 0));
        host.move(start + QPoint(3, 3));
        host.move(start + QPoint(0, 3)); // 3 left of the last point
        host.release(start + QPoint(0, 3));
        QCOMPARE(segments(model),
                 (QList<QLineF>{QLineF(100, 100, 103, 100), QLineF(103, 100, 103, 103),
                                QLineF(103, 103, 100, 103)}));
        // Default pen: red, 5 wide, round.
        auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(model.drawnItems().first());
        QCOMPARE(line->pen().color(), QColor(Qt::red));
        QCOMPARE(line->pen().width(), 5);
        QCOMPARE(line->pen().capStyle(), Qt::RoundCap);
        QCOMPARE(model.history().count(), 1);
    }

    void strokeResumesWithOneSegmentWhenItComesBackOntoThePicture()
    {
        AnnotationPageHost host;
        host.page->switchAnnotation(true, picture());
        AnnotationModel &model = host.page->model();
        host.press(host.windowPointOf(QPointF(390, 150)));
        host.move(host.windowPointOf(QPointF(395, 150)));
        host.move(host.windowPointOf(QPointF(420, 150))); // off the picture
        host.move(host.windowPointOf(QPointF(450, 260)));
        host.move(host.windowPointOf(QPointF(380, 200))); // back on
        host.release(host.windowPointOf(QPointF(380, 200)));
        QCOMPARE(segments(model),
                 (QList<QLineF>{QLineF(390, 150, 395, 150), QLineF(395, 150, 380, 200)}));
        // Fast moves join point to point: no gaps between segments.
        host.press(host.windowPointOf(QPointF(10, 10)));
        for (const QPointF &to : {QPointF(200, 20), QPointF(30, 280), QPointF(390, 290)})
            host.move(host.windowPointOf(to));
        host.release(host.windowPointOf(QPointF(390, 290)));
        const QList<QLineF> fast = segments(model).mid(2);
        QCOMPARE(fast.size(), 3);
        QCOMPARE(fast[0].p1(), QPointF(10, 10));
        for (int i = 1; i < fast.size(); ++i)
            QCOMPARE(fast[i].p1(), fast[i - 1].p2());
        // Each stroke is one undo step.
        host.page->undo();
        QCOMPARE(segments(model).size(), 2);
        host.page->undo();
        QVERIFY(model.drawnItems().isEmpty());
    }

    void eraserSweepsTheWholeWayAndKeepsThePicture()
    {
        AnnotationPageHost host;
        host.page->switchAnnotation(true, picture());
        AnnotationModel &model = host.page->model();
        host.press(host.windowPointOf(QPointF(200, 20)));
        host.move(host.windowPointOf(QPointF(200, 150)));
        host.move(host.windowPointOf(QPointF(200, 280)));
        host.release(host.windowPointOf(QPointF(200, 280)));
        QCOMPARE(segments(model).size(), 2);

        host.page->toggleEraser();
        QCOMPARE(host.page->mode(), AnnotationPageController::Mode::Eraser);
        QCOMPARE(host.window.cursor().shape(), Qt::BitmapCursor);
        // One jump from far left to far right across the strokes.
        host.press(host.windowPointOf(QPointF(20, 60)));
        host.move(host.windowPointOf(QPointF(380, 60)));
        host.release(host.windowPointOf(QPointF(380, 60)));
        QCOMPARE(segments(model), (QList<QLineF>{QLineF(200, 150, 200, 280)}));
        QVERIFY(model.picture()->scene() == model.scene());
        host.page->undo();
        QCOMPARE(segments(model).size(), 2);

        // The square is the cursor's 40 pixels on screen: at zoom 2 a line
        // 15 scene units (30 pixels) from the middle is out of reach.
        for (int i = 0; i < 5; ++i)
            host.page->zoomIn();
        host.press(host.windowPointOf(QPointF(215, 100)));
        host.release(host.windowPointOf(QPointF(215, 100)));
        QCOMPARE(segments(model).size(), 2);
        host.press(host.windowPointOf(QPointF(208, 100)));
        host.release(host.windowPointOf(QPointF(208, 100)));
        QCOMPARE(segments(model).size(), 1);

        host.page->toggleEraser();
        QCOMPARE(host.window.cursor().shape(), Qt::ArrowCursor);
    }

    void textIsTypedPlacedAndDragged()
    {
        AnnotationPageHost host;
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        page.setPenColour(2);
        page.setFontSize(20);
        page.toggleText();
        const QPoint at = host.windowPointOf(QPointF(100, 80));
        host.press(at);
        host.release(at);
        QLineEdit *entry = page.textEntry();
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->pos(), at);
        QCOMPARE(entry->width(), 200);
        QCOMPARE(entry->styleSheet(), QString("color:rgb(0,192,255)"));
        QCOMPARE(entry->font().pointSize(), 20);
        QTest::keyClicks(entry, "Hello");
        QVERIFY(keyPress(page, Qt::Key_Return));
        QVERIFY(!entry->isVisible());
        QCOMPARE(page.model().texts().size(), 1);
        QGraphicsTextItem *text = page.model().texts().first();
        QCOMPARE(text->toPlainText(), QString("Hello"));
        QCOMPARE(text->defaultTextColor(), QColor(0, 192, 255));
        QCOMPARE(text->font().pointSize(), 20);
        QCOMPARE(text->pos(), QPointF(100, 80));
        // Enter again places nothing more.
        QVERIFY(!keyPress(page, Qt::Key_Enter));
        QCOMPARE(page.model().texts().size(), 1);

        // A press on the text drags it instead of opening the entry.
        const QPoint onText = host.windowPointOf(text->sceneBoundingRect().center());
        host.press(onText);
        QVERIFY(!entry->isVisible());
        host.move(onText + QPoint(30, 10));
        host.move(onText + QPoint(50, -20));
        host.release(onText + QPoint(50, -20));
        QCOMPARE(text->pos(), QPointF(150, 60));
        host.move(onText + QPoint(90, 90)); // no button: stays
        QCOMPARE(text->pos(), QPointF(150, 60));
        page.undo();
        QCOMPARE(text->pos(), QPointF(100, 80));

        // Typing is kept when the presenter clicks elsewhere; Escape drops it.
        host.press(host.windowPointOf(QPointF(20, 200)));
        QTest::keyClicks(entry, "kept");
        host.press(host.windowPointOf(QPointF(250, 250)));
        QTest::keyClicks(entry, "dropped");
        QVERIFY(keyPress(page, Qt::Key_Escape));
        QStringList placed;
        for (QGraphicsTextItem *t : page.model().texts())
            placed << t->toPlainText();
        QCOMPARE(placed, (QStringList{"Hello", "kept"}));
        // A colour change leaves placed texts alone.
        page.setPenColour(4);
        QCOMPARE(text->defaultTextColor(), QColor(0, 192, 255));
    }

    void clearKeepsThePictureAtItsReduction()
    {
        AnnotationPageHost host;
        // 1200 rows over a 568-row view: reduced by 2, not to fit.
        host.page->switchAnnotation(true, picture(1000, 1200));
        AnnotationModel &model = host.page->model();
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));
        host.press(host.windowPointOf(QPointF(100, 100)));
        host.move(host.windowPointOf(QPointF(200, 200)));
        host.release(host.windowPointOf(QPointF(200, 200)));
        model.placeText("x", QPointF(50, 50), QFont(), Qt::red);
        host.page->clear();
        QVERIFY(model.drawnItems().isEmpty());
        QCOMPARE(model.scene()->items().size(), 1);
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));
        // Clear is one step too: undo brings everything back.
        host.page->undo();
        QCOMPARE(model.drawnItems().size(), 2);
        // Leaving drops the annotation; the next start has only the picture.
        host.page->switchAnnotation(false, QImage());
        host.page->switchAnnotation(true, picture(1000, 1200));
        QVERIFY(model.drawnItems().isEmpty());
        QVERIFY(!model.history().canUndo());
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));

        QCOMPARE(annotationReductionFor(1080, 960), 1);
        QCOMPARE(annotationReductionFor(2880, 1048), 2);
        QCOMPARE(annotationReductionFor(500, 568), 1);
    }

    void zoomStaysBetweenATenthAndTenInStepsOfATenth()
    {
        AnnotationPageHost host;
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        QCOMPARE(page.viewState().scale(), 1.0);
        for (int i = 0; i < 60; ++i)
            wheel(page, 120);
        QCOMPARE(page.viewState().scale(), 10.0);
        QCOMPARE(host.view->transform().m11(), 10.0);
        for (int i = 0; i < 100; ++i)
            wheel(page, -120);
        QCOMPARE(page.viewState().scale(), 0.2);
        page.zoomOut();
        QCOMPARE(page.viewState().scale(), 0.2);
        // Fine wheels add up to whole steps; the side bar's buttons are steps.
        for (int i = 0; i < 4; ++i)
            wheel(page, 30);
        QCOMPARE(page.viewState().scale(), 0.4);
        page.zoomIn();
        QVERIFY(std::abs(page.viewState().scale() - 0.6) < 1e-12);
        // A turn right shows the scene's x axis downwards.
        page.rotateRight();
        const QPointF x = host.view->transform().map(QPointF(1, 0));
        QVERIFY(std::abs(x.x()) < 1e-9 && std::abs(x.y() - 0.6) < 1e-9);
        page.rotateLeft();
        page.rotateLeft();
        QCOMPARE(page.viewState().quarterTurns(), 3);
    }

    void switchingOnAndOffShowsThePageAndTheBar()
    {
        AnnotationPageHost host;
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        QCOMPARE(host.shownPage, 1);
        QVERIFY(host.bar->isVisibleTo(&host.window));
        QVERIFY(host.failures.isEmpty());
        page.toggleEraser();
        page.switchAnnotation(false, QImage());
        QCOMPARE(host.shownPage, 0);
        QVERIFY(!host.bar->isVisibleTo(&host.window));
        // The eraser cursor stays on its page.
        QCOMPARE(host.window.cursor().shape(), Qt::ArrowCursor);
        // Events that arrive while off change nothing.
        host.press(QPoint(300, 300));
        host.move(QPoint(400, 400));
        QVERIFY(page.model().drawnItems().isEmpty());

        // No frame yet: said so, and the page stays blank and undrawable.
        page.switchAnnotation(true, QImage());
        QCOMPARE(host.failures.size(), 1);
        QCOMPARE(page.mode(), AnnotationPageController::Mode::Eraser);
        page.toggleEraser();
        host.press(QPoint(300, 300));
        host.move(QPoint(400, 400));
        QVERIFY(page.model().drawnItems().isEmpty());
    }

    void undoKeysWorkWhileAnnotating()
    {
        AnnotationPageHost host;
        host.window.show();
        QApplication::setActiveWindow(&host.window);
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        host.press(host.windowPointOf(QPointF(10, 10)));
        host.move(host.windowPointOf(QPointF(100, 100)));
        host.release(host.windowPointOf(QPointF(100, 100)));
        QTest::keyClick(&host.window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(page.model().drawnItems().isEmpty());
        QTest::keyClick(&host.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(page.model().drawnItems().size(), 1);
        QTest::keyClick(&host.window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&host.window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(page.model().drawnItems().size(), 1);
        // While the entry has the focus, Ctrl+Z undoes typing, not drawing.
        page.toggleText();
        host.press(host.windowPointOf(QPointF(300, 250)));
        QTest::keyClicks(page.textEntry(), "ab");
        QTest::keyClick(page.textEntry(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.textEntry()->text(), QString());
        QCOMPARE(page.model().drawnItems().size(), 1);
    }

    void saveWritesWhatThePageShows()
    {
        AnnotationPageHost host;
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        page.setPenWidth(10);
        page.setPenColour(1);
        host.press(host.windowPointOf(QPointF(20, 20)));
        host.move(host.windowPointOf(QPointF(380, 280)));
        host.release(host.windowPointOf(QPointF(380, 280)));
        page.model().placeText("Note", QPointF(50, 200), QFont(), Qt::red);
        const QImage unzoomed = page.pageImage();
        page.zoomIn();
        page.zoomIn();
        page.rotateRight();
        page.save();
        QCOMPARE(host.failures, QStringList());
        QCOMPARE(host.saved, QStringList{"Scan successfully saved to [" + host.nextSavePath + "]"});
        const QImage written(host.nextSavePath);
        QCOMPARE(written.size(), QSize(800, 568));
        // What the view shows on screen, against the file (JPEG-close).
        const QImage shown = host.view->grab().toImage();
        QVERIFY2(meanDifference(written, shown) < 3.0,
                 qPrintable(QString::number(meanDifference(written, shown))));
        QVERIFY(meanDifference(written, unzoomed) > 20.0);
        // Turned a quarter at 1.4 times, the picture's middle stays in the
        // middle, under the yellow stroke across it.
        const QColor middle = written.pixelColor(400, 284);
        QVERIFY(middle.red() > 200 && middle.green() > 200 && middle.blue() < 80);
    }

    void saveNeverOverwritesAndSaysWhy()
    {
        AnnotationPageHost host;
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        QDir().mkpath(host.folder.path() + "/saved");
        QFile existing(host.nextSavePath);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier photo");
        existing.close();
        page.save();
        QVERIFY(host.saved.isEmpty());
        QCOMPARE(host.failures.size(), 1);
        QVERIFY(host.failures.first().contains(host.nextSavePath));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("earlier photo"));
        QCOMPARE(QDir(host.folder.path() + "/saved").entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

REGISTER_TEST_CLASS(AnnotationPageTest)
#include "annotation_page_test.moc"
