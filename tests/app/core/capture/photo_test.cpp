// SPDX-License-Identifier: GPL-3.0-or-later

// Photos: which picture is saved (crop, then deskew, then the plain
// picture), the deskewed sheet taken from the full-resolution frame, the
// screen pixels inside the crop frame in a real window, and honest
// messages when nothing can be saved.

#include "core/capture/crop_grab_area.h"
#include "core/capture/photo_tool.h"
#include "core/main_window/corvane.h"
#include "core/main_window/status_banner.h"
#include "core/startup/process_values.h"
#include "imaging/deskew/sheet_tracker.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/transforms/view_transform.h"
#include "imaging/transforms/view_transforms.h"
#include "tools/tool_bar/my_tool_bar.h"

#include "sheet_picture.h"
#include "test_runner.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage toImage(const cv::Mat &bgr)
{
    QImage image(bgr.cols, bgr.rows, QImage::Format_RGB888);
    for (int y = 0; y < bgr.rows; ++y)
        std::memcpy(image.scanLine(y), bgr.ptr(y), size_t(bgr.cols) * 3);
    return image.rgbSwapped();
}

// A sheet turned by `degrees` on a desk, at `scale` times 1280x720.
QImage deskPicture(double degrees, int scale)
{
    SheetPlacement placement;
    placement.frame = cv::Size(1280 * scale, 720 * scale);
    placement.sheet = cv::Size(400 * scale, 560 * scale);
    placement.centre = cv::Point2f(640.0f * scale, 360.0f * scale);
    placement.degrees = degrees;
    return toImage(renderSheet(placement).picture);
}

double whiteShare(const QImage &picture)
{
    int white = 0, all = 0;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4, ++all)
            white += qGray(picture.pixel(x, y)) > 200 ? 1 : 0;
    return all ? double(white) / all : 0.0;
}

QStringList photosIn(const QString &folder)
{
    return QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name);
}

} // namespace

class PhotoTest : public QObject {
    Q_OBJECT

    struct Rig {
        QTemporaryDir folder;
        QWidget strip;
        QLabel icon, text;
        StatusBanner banner{&strip, &icon, &text, nullptr};
        ViewTransforms view{folder.path() + "/still.jpg"};
        SheetTracker sheets;
        QImage full = deskPicture(12, 2);
        QList<QRect> grabbed;
        PhotoTool tool{{&view, &sheets, [this] { return applyViewTransform(full, view.state()); },
                        [this](const QRect &area) {
                            grabbed << area;
                            QPixmap screen(area.size());
                            screen.fill(Qt::green);
                            return screen;
                        },
                        &banner}};
        Rig()
        {
            processValues().savePath = folder.path() + "/photos";
            view.setDetector([this](const QImage &frame) { sheets.detect(frame, view.state()); });
        }
        ~Rig() { processValues().savePath = "0"; }
    };

private slots:
    void cropComesFirstThenDeskewThenThePlainPicture()
    {
        Rig rig;
        rig.view.toCurrentFrame(deskPicture(12, 1));

        // Plain: the full-resolution picture as it is.
        QImage saved(rig.tool.take());
        QCOMPARE(saved.size(), rig.full.size());
        QVERIFY(rig.text.text().startsWith("Scan successfully saved to [" + rig.folder.path() + "/photos/"));

        // Deskew before a sheet is found: the whole picture, and said so.
        rig.view.setDeskewOn(true);
        saved = QImage(rig.tool.take());
        QCOMPARE(saved.size(), rig.full.size());
        QVERIFY(rig.text.text().contains(
            PhotoTool::tr("No sheet of paper was found yet, so the whole picture was saved.")));

        // The next frame is detected: the sheet, straightened, from the
        // full-resolution picture (twice the size of the shown frame).
        rig.view.toCurrentFrame(deskPicture(12, 1));
        QVERIFY(rig.sheets.sheetFor(rig.view.state()));
        saved = QImage(rig.tool.take());
        QVERIFY(!rig.text.text().contains(PhotoTool::tr("No sheet of paper was found yet, so the whole picture was saved.")));
        // Upright: about 800x1120 plus a little desk, mostly paper.
        QVERIFY2(qAbs(saved.width() - 800) < 60 && qAbs(saved.height() - 1120) < 60,
                 qPrintable(QString("%1x%2").arg(saved.width()).arg(saved.height())));
        QVERIFY(whiteShare(saved) > 0.85);

        // A turn moves the sheet: until it is found again the whole picture.
        rig.view.rotateRight();
        saved = QImage(rig.tool.take());
        QCOMPARE(saved.size(), rig.full.size().transposed());

        // Crop wins over deskew; a rectangle dragged up and to the left is
        // taken the right way round, inside its frame.
        rig.view.setCropOn(true);
        QVERIFY(rig.tool.take().isEmpty());
        QCOMPARE(rig.text.text(), PhotoTool::tr("Draw the crop rectangle over the picture first, then take the photo."));
        rig.view.setCropRect(QRect(QPoint(300, 200), QPoint(100, 50)));
        saved = QImage(rig.tool.take());
        QCOMPARE(rig.grabbed.last(), QRect(101, 51, 200, 150));
        QCOMPARE(saved.size(), QSize(200, 150));
        QCOMPARE(saved.pixelColor(100, 75).green() > 200, true);

        // Every photo got a file of its own.
        QCOMPARE(photosIn(rig.folder.path() + "/photos").size(), 5);
    }

    void aPhotoThatCannotBeWrittenIsNotCalledSaved()
    {
        Rig rig;
        // No picture yet.
        rig.full = QImage();
        QVERIFY(rig.tool.take().isEmpty());
        QVERIFY(rig.text.text().startsWith(PhotoTool::tr("The photo was not saved: %1").arg(QString())));
        // The save folder is a file.
        rig.full = deskPicture(0, 1);
        QFile blocker(rig.folder.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        processValues().savePath = rig.folder.path() + "/file/photos";
        QVERIFY(rig.tool.take().isEmpty());
        QVERIFY(rig.text.text().startsWith(PhotoTool::tr("The photo was not saved: %1").arg(QString())));
        QVERIFY(!rig.text.text().contains("successfully"));
    }

    void cropPhotoHoldsTheScreenInsideTheFrame()
    {
        QTemporaryDir folder;
        processValues().savePath = folder.path();
        Corvane window;
        window.show();
        window.sideShowAndHide();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.drawWifiVideoFrame(deskPicture(20, 1));
        window.sideBar()->button(MySideBar::Crop)->click();
        QVERIFY(window.viewTransforms().cropOn());
        // Dragged from the bottom-right corner up and to the left.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(520, 430), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 210), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(300, 210), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &release);
        const QRect frame = window.viewTransforms().cropRect();
        QCOMPARE(frame, QRect(QPoint(300, 210), QPoint(520, 430)));

        // What is on screen: the window painted with the frame.
        window.repaint();
        const QImage screen = window.grab().toImage();
        // The red frame is on screen along the rectangle's edges.
        QCOMPARE(screen.pixelColor(frame.left(), frame.center().y()), QColor(Qt::red));
        QCOMPARE(screen.pixelColor(frame.right() + 1, frame.center().y()), QColor(Qt::red));

        window.toolBar()->button(MyToolBar::Photo)->click();
        const QStringList photos = photosIn(folder.path());
        QCOMPARE(photos.size(), 1);
        const QImage photo(folder.path() + "/" + photos.first());
        const QRect inside(frame.x() + 1, frame.y() + 1, frame.width() - 1, frame.height() - 1);
        QCOMPARE(photo.size(), inside.size());
        // The photo is the screen inside the frame: closer to it (JPEG
        // aside) than to the same area one pixel off, and none of its edge
        // pixels is the frame's red.
        const auto difference = [&photo](const QImage &expected) {
            long long sum = 0;
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x) {
                    const QColor a = photo.pixelColor(x, y), b = expected.pixelColor(x, y);
                    sum += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
                }
            return sum / (photo.width() * photo.height());
        };
        const long long exact = difference(screen.copy(inside));
        QVERIFY2(exact < 30, qPrintable(QString::number(exact)));
        QVERIFY(exact < difference(screen.copy(inside.translated(-1, -1))));
        QVERIFY(exact < difference(screen.copy(inside.translated(1, 1))));
        int redEdges = 0;
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x) {
                const QColor a = photo.pixelColor(x, y);
                const bool edge = x == 0 || y == 0 || x == photo.width() - 1 || y == photo.height() - 1;
                if (edge && a.red() > 180 && a.green() < 90 && a.blue() < 90)
                    ++redEdges;
            }
        QCOMPARE(redEdges, 0);
        processValues().savePath = "0";
    }
};

REGISTER_TEST_CLASS(PhotoTest)
#include "photo_test.moc"
