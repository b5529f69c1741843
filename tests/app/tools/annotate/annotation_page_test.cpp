// SPDX-License-Identifier: GPL-3.0-or-later

// The annotation page driven as the main window drives it, without the
// main window: pen steps, strokes off and back onto the picture, the
// eraser's sweep, text entry and dragging, clear, zoom bounds, switching
// on and off, the undo keys and saving what the page shows.

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

double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class AnnotationPageTest : public QObject {
    Q_OBJECT

private slots:
    void penDrawsMovesOfMoreThanTwoPixelsAndJoinsThem()
    {
        AnnotationPageHost host;
        host.page->switchAnnotation(true, picture());
        const QPoint s = host.at(100, 100);
        host.drag({s, s + QPoint(2, 2), s + QPoint(-2, 2), s + QPoint(3, 0), s + QPoint(3, 3),
                   s + QPoint(0, 3)});
        QCOMPARE(segments(host.page->model()),
                 (QList<QLineF>{QLineF(100, 100, 103, 100), QLineF(103, 100, 103, 103),
                                QLineF(103, 103, 100, 103)}));
        // Off the picture nothing is drawn; back on, one straight segment.
        // Fast moves join end to start: no gaps.
        host.drag({host.at(390, 150), host.at(395, 150), host.at(420, 150), host.at(450, 290),
                   host.at(30, 280), host.at(200, 20)});
        QCOMPARE(segments(host.page->model()).mid(3),
                 (QList<QLineF>{QLineF(390, 150, 395, 150), QLineF(395, 150, 30, 280),
                                QLineF(30, 280, 200, 20)}));
        QCOMPARE(host.page->model().history().count(), 2);
    }

    void eraserSweepsTheWholeWayAtTheCursorsSize()
    {
        AnnotationPageHost host;
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        host.drag({host.at(200, 20), host.at(200, 150), host.at(200, 280)});
        page.toggleEraser();
        QCOMPARE(host.window.cursor().shape(), Qt::BitmapCursor);
        // One jump from far left to far right takes what lies between.
        host.drag({host.at(20, 60), host.at(380, 60)});
        QCOMPARE(segments(page.model()), (QList<QLineF>{QLineF(200, 150, 200, 280)}));
        QVERIFY(page.model().picture()->scene() == page.model().scene());
        // The square is the cursor's 40 pixels: at zoom 2 a line 30 pixels
        // (15 scene units) from the middle is out of reach, 16 pixels not.
        for (int i = 0; i < 5; ++i)
            page.zoomIn();
        host.drag({host.at(215, 200)});
        QCOMPARE(segments(page.model()).size(), 1);
        host.drag({host.at(208, 200)});
        QVERIFY(segments(page.model()).isEmpty());
        page.toggleEraser();
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
        host.drag({host.at(100, 80)});
        QLineEdit *entry = page.textEntry();
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->pos(), host.at(100, 80));
        QCOMPARE(entry->styleSheet(), QString("color:rgb(0,192,255)"));
        QTest::keyClicks(entry, "Hello");
        QVERIFY(keyPress(page, Qt::Key_Return));
        QVERIFY(!keyPress(page, Qt::Key_Enter)); // no second copy
        QCOMPARE(page.model().texts().size(), 1);
        QGraphicsTextItem *text = page.model().texts().first();
        QCOMPARE(text->toPlainText(), QString("Hello"));
        QCOMPARE(text->defaultTextColor(), QColor(0, 192, 255));
        QCOMPARE(text->font().pointSize(), 20);
        QCOMPARE(text->pos(), QPointF(100, 80));

        // A press on the text drags it; undo puts it back.
        const QPoint on = host.at(text->sceneBoundingRect().center().x(),
                                  text->sceneBoundingRect().center().y());
        host.drag({on, on + QPoint(30, 10), on + QPoint(50, -20)});
        QVERIFY(!entry->isVisible());
        QCOMPARE(text->pos(), QPointF(150, 60));
        page.undo();
        QCOMPARE(text->pos(), QPointF(100, 80));

        // Typing is kept when the presenter clicks elsewhere; Escape drops it.
        host.drag({host.at(20, 200)});
        QTest::keyClicks(entry, "kept");
        host.drag({host.at(250, 250)});
        QTest::keyClicks(entry, "dropped");
        QVERIFY(keyPress(page, Qt::Key_Escape));
        QCOMPARE(page.model().texts().size(), 2);
        QCOMPARE(page.model().texts().last()->toPlainText(), QString("kept"));
    }

    void clearAndRestartKeepThePictureAtItsReduction()
    {
        AnnotationPageHost host;
        AnnotationModel &model = host.page->model();
        // 1200 rows over a 568-row view: halved (a whole factor), not fitted.
        host.page->switchAnnotation(true, picture(1000, 1200));
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));
        host.drag({host.at(100, 100), host.at(200, 200)});
        host.page->clear();
        QCOMPARE(model.scene()->items().size(), 1);
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));
        host.page->undo();
        QCOMPARE(model.drawnItems().size(), 1);
        host.page->switchAnnotation(false, QImage());
        host.page->switchAnnotation(true, picture(1000, 1200));
        QVERIFY(model.drawnItems().isEmpty() && !model.history().canUndo());
        QCOMPARE(model.picture()->pixmap().size(), QSize(500, 600));
        QCOMPARE(annotationReductionFor(1080, 960), 1);
        QCOMPARE(annotationReductionFor(2880, 1048), 2);
    }

    void zoomStaysWithinItsBoundsInSteps()
    {
        AnnotationPageHost host;
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        for (int i = 0; i < 60; ++i)
            wheel(page, 120);
        QCOMPARE(page.viewState().scale(), 10.0);
        QCOMPARE(host.view->transform().m11(), 10.0);
        for (int i = 0; i < 100; ++i)
            wheel(page, -120);
        QCOMPARE(page.viewState().scale(), 0.2);
        // Fine wheels add up to whole steps; the side bar's buttons are steps.
        for (int i = 0; i < 4; ++i)
            wheel(page, 30);
        page.zoomIn();
        QVERIFY(std::abs(page.viewState().scale() - 0.6) < 1e-12);
        page.rotateRight();
        const QPointF x = host.view->transform().map(QPointF(1, 0));
        QVERIFY(std::abs(x.x()) < 1e-9 && std::abs(x.y() - 0.6) < 1e-9);
    }

    void switchingOnAndOffShowsThePageBarAndKeys()
    {
        AnnotationPageHost host;
        host.window.show();
        QApplication::setActiveWindow(&host.window);
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        QCOMPARE(host.shownPage, 1);
        QVERIFY(host.bar->isVisible());
        host.drag({host.at(10, 10), host.at(100, 100)});
        QTest::keyClick(&host.window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(page.model().drawnItems().isEmpty());
        QTest::keyClick(&host.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(page.model().drawnItems().size(), 1);

        page.toggleEraser();
        page.switchAnnotation(false, QImage());
        QCOMPARE(host.shownPage, 0);
        QVERIFY(!host.bar->isVisible());
        QCOMPARE(host.window.cursor().shape(), Qt::ArrowCursor); // eraser cursor gone
        host.drag({QPoint(300, 300), QPoint(400, 400)});
        QVERIFY(page.model().drawnItems().isEmpty());
        // No frame yet: said so, and no stale picture from before.
        page.switchAnnotation(true, QImage());
        QCOMPARE(host.failures.size(), 1);
        QVERIFY(page.model().picture()->pixmap().isNull());
    }

    void saveWritesWhatThePageShowsAndNeverOverwrites()
    {
        AnnotationPageHost host;
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        AnnotationPageController &page = *host.page;
        page.switchAnnotation(true, picture());
        page.setPenWidth(10);
        page.setPenColour(1);
        host.drag({host.at(20, 20), host.at(380, 280)});
        page.model().placeText("Note", QPointF(50, 200), QFont(), Qt::red);
        const QImage unzoomed = page.pageImage();
        page.zoomIn();
        page.zoomIn();
        page.rotateRight();
        page.save();
        QCOMPARE(host.saved, QStringList{"Scan successfully saved to [" + host.nextSavePath + "]"});
        const QImage written = QImage(host.nextSavePath).convertToFormat(QImage::Format_RGB32);
        const QImage shown = host.view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.size(), shown.size());
        QVERIFY(meanDifference(written, shown) < 3.0); // JPEG-close
        QVERIFY(meanDifference(written, unzoomed.convertToFormat(QImage::Format_RGB32)) > 20.0);
        const QColor middle = written.pixelColor(400, 284); // under the yellow stroke
        QVERIFY(middle.red() > 200 && middle.green() > 200 && middle.blue() < 80);

        // The same name again: refused and said, the first file untouched.
        QFile file(host.nextSavePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readAll();
        file.close();
        page.save();
        QCOMPARE(host.saved.size(), 1);
        QCOMPARE(host.failures.size(), 1);
        QVERIFY(host.failures.first().contains(host.nextSavePath));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
    }
};

REGISTER_TEST_CLASS(AnnotationPageTest)
#include "annotation_page_test.moc"
