// SPDX-License-Identifier: GPL-3.0-or-later

// Deskew mode: the sheet found on the live frames applies to the view it
// was found under and survives frames without one; carried over to a
// larger picture it cuts the same sheet; in the window the side bar's
// switch runs the detector on every fifth frame and the live page outlines
// the sheet in red while the mode is on and the view is live.

#include "core/main_window/corvane.h"
#include "imaging/deskew/deskewed_picture.h"
#include "imaging/deskew/sheet_tracker.h"
#include "imaging/transforms/gray_from_image.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/transforms/view_transforms.h"

#include "sheet_picture.h"
#include "test_runner.h"

#include <QPainter>
#include <QToolButton>
#include <QtTest>

namespace {

QImage deskPicture(double degrees, int scale)
{
    SheetPlacement placement;
    placement.frame = cv::Size(1280 * scale, 720 * scale);
    placement.sheet = cv::Size(400 * scale, 560 * scale);
    placement.centre = cv::Point2f(640.0f * scale, 360.0f * scale);
    placement.degrees = degrees;
    const cv::Mat bgr = renderSheet(placement).picture;
    QImage image(bgr.cols, bgr.rows, QImage::Format_RGB888);
    for (int y = 0; y < bgr.rows; ++y)
        std::memcpy(image.scanLine(y), bgr.ptr(y), size_t(bgr.cols) * 3);
    return image.rgbSwapped();
}

int redPixels(const QImage &picture)
{
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    return red;
}

} // namespace

class DeskewTest : public QObject {
    Q_OBJECT

private slots:
    void aSheetAppliesToTheViewItWasFoundUnder()
    {
        SheetTracker tracker;
        ViewState upright;
        tracker.detect(deskPicture(15, 1), upright);
        QCOMPARE(tracker.lastResult(), int(kDetectFound));
        const FoundSheet *sheet = tracker.sheetFor(upright);
        QVERIFY(sheet);
        QCOMPARE(sheet->frameSize, QSize(1280, 720));
        QVERIFY(qAbs(sheet->outline.angle - 0.2618f) < 0.03f);

        // A dark frame finds nothing and keeps the sheet.
        QImage dark(1280, 720, QImage::Format_RGB32);
        dark.fill(QColor(5, 5, 5));
        tracker.detect(dark, upright);
        QVERIFY(tracker.lastResult() != kDetectFound);
        QVERIFY(tracker.sheetFor(upright));

        ViewState turned;
        turned.rotationStep = 1;
        QVERIFY(!tracker.sheetFor(turned));
        ViewState zoomed;
        zoomed.liveZoom = 1.5;
        QVERIFY(!tracker.sheetFor(zoomed));
    }

    void carriedToTheFullPictureItCutsTheSameSheet()
    {
        SheetTracker small;
        small.detect(deskPicture(15, 1), ViewState());
        const FoundSheet *shown = small.sheetFor(ViewState());
        QVERIFY(shown);
        const QImage full = deskPicture(15, 2);
        DocumentDetector detector;
        DocumentOutline direct;
        QCOMPARE(detector.detectDocument(grayFromImage(full), &direct), int(kDetectFound));
        const DocumentOutline carried = outlineForSize(shown->outline, shown->frameSize, full.size());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(qAbs(carried.corners[i].x - direct.corners[i].x) <= 8);
            QVERIFY(qAbs(carried.corners[i].y - direct.corners[i].y) <= 8);
        }
        QVERIFY(qAbs(carried.right - carried.left - (direct.right - direct.left)) <= 12);
        QVERIFY(qAbs(carried.bottom - carried.top - (direct.bottom - direct.top)) <= 12);

        const QImage cut = deskewedPicture(full, *shown);
        QCOMPARE(cut.size(), QSize(carried.right - carried.left, carried.bottom - carried.top));
        // Upright and mostly paper: the middle is white, the sheet's long
        // side stands.
        QVERIFY(cut.height() > cut.width());
        QVERIFY(qGray(cut.pixel(cut.width() / 2, cut.height() / 2)) > 200);
        QVERIFY(deskewedPicture(QImage(), *shown).isNull());
    }

    void theSwitchOutlinesTheSheetOnTheLivePage()
    {
        Corvane window;
        window.show();
        window.sideShowAndHide();
        const QImage frame = deskPicture(10, 1);
        window.drawWifiVideoFrame(frame);
        QCOMPARE(redPixels(window.grab().toImage()), 0);

        window.sideBar()->button(MySideBar::Deskew)->click();
        QVERIFY(window.viewTransforms().deskewOn());
        for (int i = 0; i < 6; ++i)
            window.drawWifiVideoFrame(frame);
        // Frames 0 and 5 of the mode were looked at.
        QCOMPARE(window.sheetTracker().detections(), 2);
        const int outlined = redPixels(window.grab().toImage());
        QVERIFY2(outlined > 1000, qPrintable(QString::number(outlined)));
        // The outline is drawn over the picture, not into it.
        QCOMPARE(redPixels(window.currentFrame()), 0);

        window.side_dongjie(); // frozen: no outline
        QCOMPARE(redPixels(window.grab().toImage()), 0);
        window.side_dongjie();
        window.sideBar()->button(MySideBar::Deskew)->click();
        QVERIFY(!window.viewTransforms().deskewOn());
        QCOMPARE(redPixels(window.grab().toImage()), 0);
        // Back on: the last sheet shows at once.
        window.side_jiupian(1);
        QVERIFY(redPixels(window.grab().toImage()) > 1000);
        window.side_jiupian(0);
    }
};

REGISTER_TEST_CLASS(DeskewTest)
#include "deskew_test.moc"
