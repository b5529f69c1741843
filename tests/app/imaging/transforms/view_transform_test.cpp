// SPDX-License-Identifier: GPL-3.0-or-later

// The pure pieces: the rotation and zoom steps, the zoom cut-out, the frame
// transform compared with turning, mirroring and cutting one after the
// other with Qt's own operations, and the grey conversion compared with a
// pixel-by-pixel reading.

#include "imaging/transforms/gray_from_image.h"
#include "imaging/transforms/view_state.h"
#include "imaging/transforms/view_transform.h"
#include "test_runner.h"

#include <QTransform>
#include <QtTest>

namespace {

// Every pixel different, so any misplaced pixel shows.
QImage patterned(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 7 + y) & 0xff, (y * 13 + x * 3) & 0xff,
                                       (x * y + 91) & 0xff, 255));
    return image.convertToFormat(format);
}

// The frame path done the plain way: three whole-frame steps in order.
QImage turnMirrorCut(const QImage &frame, const ViewState &state)
{
    QTransform turn;
    if (state.rotationStep == 1)
        turn.rotate(90);
    else if (state.rotationStep == 2)
        turn.rotate(180);
    else if (state.rotationStep == 3)
        turn.rotate(270);
    QImage picture = frame.transformed(turn, Qt::FastTransformation);
    picture = picture.mirrored(state.mirrorHorizontal, state.mirrorVertical);
    if (state.liveZoom > 1) {
        const double W = picture.width(), H = picture.height(), d = state.liveZoom - 1;
        picture = picture.copy(int(W * d * 0.5), int(d * H * 0.5), int(W - W * d), int(H - d * H));
    }
    return picture;
}

cv::Mat greyPixelByPixel(const QImage &image)
{
    cv::Mat grey(image.height(), image.width(), CV_8UC1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            grey.at<uchar>(y, x) = uchar((11 * qRed(p) + 16 * qGreen(p) + 5 * qBlue(p)) >> 5);
        }
    return grey;
}

} // namespace

class ViewTransformTest : public QObject {
    Q_OBJECT

private slots:
    void rotationWrapsBothWays()
    {
        QCOMPARE(rotatedLeft(0), 3);
        QCOMPARE(rotatedRight(3), 0);
        int left = 0, right = 0;
        for (int i = 0; i < 4; ++i) {
            left = rotatedLeft(left);
            right = rotatedRight(right);
            QVERIFY(left >= 0 && left <= 3 && right >= 0 && right <= 3);
        }
        QCOMPARE(left, 0);
        QCOMPARE(right, 0);
    }

    void zoomInCarriesRoundingUntilTheExactEnd()
    {
        double zoom = 1.0;
        for (int click = 1; click <= 9; ++click)
            zoom = zoomedIn(zoom);
        // Nine tenths added in binary overshoot 1.9 a little.
        QVERIFY(zoom != 1.9);
        QVERIFY(qAbs(zoom - 1.9) < 1e-12);
        zoom = zoomedIn(zoom);
        QCOMPARE(zoom, 1.9); // exact, not rounded
        QVERIFY(zoom == 1.9);
        QVERIFY(zoomedIn(zoom) == 1.9);
    }

    void zoomOutReachesExactlyOne()
    {
        double zoom = 1.9;
        for (int click = 1; click <= 8; ++click)
            zoom = zoomedOut(zoom);
        QVERIFY(zoom > 1.0);
        zoom = zoomedOut(zoom);
        QVERIFY(zoom == 1.0);
        QVERIFY(zoomedOut(zoom) == 1.0);
    }

    void cutOutIsCentred()
    {
        QCOMPARE(zoomCutOut(QSize(1920, 1080), 1.0), QRect(0, 0, 1920, 1080));
        QCOMPARE(zoomCutOut(QSize(1920, 1080), 1.5), QRect(480, 270, 960, 540));
        // 1.9 - 1 is 0.8999999999999999 in binary: the left edge truncates
        // to 863, the width to the tenth.
        QCOMPARE(zoomCutOut(QSize(1920, 1080), 1.9), QRect(863, 485, 192, 108));
        double nineClicks = 1.0;
        for (int i = 0; i < 9; ++i)
            nineClicks = zoomedIn(nineClicks);
        QCOMPARE(zoomCutOut(QSize(1920, 1080), nineClicks), QRect(864, 486, 191, 107));
        // A picture too small to cut keeps a pixel.
        QCOMPARE(zoomCutOut(QSize(1, 1), 1.9), QRect(0, 0, 1, 1));
        QCOMPARE(zoomCutOut(QSize(3, 2), 1.9).size(), QSize(1, 1));
        // The magnification is the picture's height over the cut-out's.
        for (double zoom = 1.0; zoom < 1.95; zoom = zoomedIn(zoom)) {
            const double cutRows = zoomCutOut(QSize(1920, 1080), zoom).height();
            QVERIFY(qAbs(zoomMagnification(zoom) - 1080 / cutRows) < 0.01 * zoomMagnification(zoom));
            if (zoom == 1.9)
                break;
        }
    }

    void transformMatchesTheStepByStepPath_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("rgb888 odd") << int(QImage::Format_RGB888) << QSize(37, 23);
        QTest::newRow("rgb32") << int(QImage::Format_RGB32) << QSize(40, 31);
        QTest::newRow("argb32") << int(QImage::Format_ARGB32) << QSize(19, 44);
        QTest::newRow("grey") << int(QImage::Format_Grayscale8) << QSize(33, 17);
        QTest::newRow("rgb16 (no OpenCV type)") << int(QImage::Format_RGB16) << QSize(21, 14);
    }

    void transformMatchesTheStepByStepPath()
    {
        QFETCH(int, format);
        QFETCH(QSize, size);
        const QImage frame = patterned(size.width(), size.height(), QImage::Format(format));
        for (int step = 0; step < 4; ++step)
            for (int mirror = 0; mirror < 4; ++mirror)
                for (double zoom : {1.0, 1.3, 1.5000000000000004, 1.9}) {
                    ViewState state;
                    state.rotationStep = step;
                    state.mirrorHorizontal = mirror & 1;
                    state.mirrorVertical = mirror & 2;
                    state.liveZoom = zoom;
                    const QImage expected = turnMirrorCut(frame, state);
                    const QImage actual = applyViewTransform(frame, state);
                    QCOMPARE(actual.format(), frame.format());
                    if (actual != expected)
                        QFAIL(qPrintable(QStringLiteral("step %1 mirror %2 zoom %3 differs")
                                             .arg(step).arg(mirror).arg(zoom)));
                }
    }

    void quarterTurnSwapsTheSides()
    {
        QImage frame(1920, 1080, QImage::Format_RGB888);
        frame.fill(Qt::black);
        frame.setPixelColor(0, 1079, Qt::red); // bottom-left
        ViewState state;
        state.rotationStep = 1;
        const QImage turned = applyViewTransform(frame, state);
        QCOMPARE(turned.size(), QSize(1080, 1920));
        // Clockwise: the bottom-left corner comes to the top-left.
        QCOMPARE(turned.pixelColor(0, 0), QColor(Qt::red));
        state.mirrorHorizontal = true;
        QCOMPARE(applyViewTransform(frame, state).pixelColor(1079, 0), QColor(Qt::red));
    }

    void unchangedFrameIsSharedAndNullStaysNull()
    {
        const QImage frame = patterned(64, 48, QImage::Format_RGB888);
        QCOMPARE(applyViewTransform(frame, ViewState()).cacheKey(), frame.cacheKey());
        ViewState turned;
        turned.rotationStep = 3;
        turned.liveZoom = 1.9;
        QVERIFY(applyViewTransform(QImage(), turned).isNull());
    }

    void greyMatchesThePixelReading_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("rgb888") << int(QImage::Format_RGB888);
        QTest::newRow("rgb32") << int(QImage::Format_RGB32);
        QTest::newRow("argb32") << int(QImage::Format_ARGB32);
        QTest::newRow("argb32 premultiplied") << int(QImage::Format_ARGB32_Premultiplied);
        QTest::newRow("grey") << int(QImage::Format_Grayscale8);
        QTest::newRow("rgb16") << int(QImage::Format_RGB16);
    }

    void greyMatchesThePixelReading()
    {
        QFETCH(int, format);
        // Widths around the vector width leave every kind of row tail.
        for (int width : {1, 3, 15, 16, 17, 33, 63, 66}) {
            const QImage image = patterned(width, 5, QImage::Format(format));
            const cv::Mat grey = grayFromImage(image);
            QCOMPARE(grey.type(), CV_8UC1);
            QCOMPARE(grey.cols, width);
            QCOMPARE(grey.rows, 5);
            const cv::Mat expected = greyPixelByPixel(image);
            QCOMPARE(cv::countNonZero(grey != expected), 0);
        }
    }

    void greyUsesTheWeightsAndOwnsItsPixels()
    {
        QImage white(5, 1, QImage::Format_RGB888);
        white.fill(QColor(255, 0, 0));
        cv::Mat grey = grayFromImage(white);
        QCOMPARE(int(grey.at<uchar>(0, 4)), (11 * 255) >> 5);
        white.fill(Qt::white);
        QCOMPARE(int(grey.at<uchar>(0, 0)), (11 * 255) >> 5); // a copy, not a view
        QCOMPARE(int(grayFromImage(white).at<uchar>(0, 2)), 255);
        QVERIFY(grayFromImage(QImage()).empty());
    }
};

REGISTER_TEST_CLASS(ViewTransformTest)
#include "view_transform_test.moc"
