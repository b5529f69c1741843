// SPDX-License-Identifier: GPL-3.0-or-later

// The transform state as the live page uses it: the frame path on the
// newest frame, the 300 ms rotation hold on a moved clock, freeze with its
// still file, the change reports and the detection schedule.

#include "imaging/transforms/rotation_hold.h"
#include "imaging/transforms/view_transform.h"
#include "imaging/transforms/view_transforms.h"
#include "test_runner.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage filled(const QColor &colour, int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

} // namespace

class ViewTransformsStateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    long long now_ = 1000;

    std::unique_ptr<ViewTransforms> makeTransforms()
    {
        return std::make_unique<ViewTransforms>(folder_.filePath(QStringLiteral("still.jpg")),
                                                [this] { return now_; });
    }

private slots:
    void init()
    {
        QFile::remove(folder_.filePath(QStringLiteral("still.jpg")));
    }

    void holdLastsExactly300Milliseconds()
    {
        RotationHold hold([this] { return now_; });
        QVERIFY(!hold.isActive());
        const QImage red = filled(Qt::red);
        hold.hold(red);
        QCOMPARE(hold.remainingMilliseconds(), 300);
        now_ += 299;
        QVERIFY(hold.isActive());
        QCOMPARE(hold.picture().cacheKey(), red.cacheKey());
        now_ += 1;
        QVERIFY(!hold.isActive());
        QVERIFY(hold.picture().isNull());
        QCOMPARE(hold.remainingMilliseconds(), 0);
    }

    void turnKeepsThePictureOfTheClickFor300Milliseconds()
    {
        auto view = makeTransforms();
        QSignalSpy changes(view.get(), &ViewTransforms::viewChanged);
        QImage frame = filled(Qt::red, 40, 20);
        view->toCurrentFrame(frame);
        const qint64 before = view->pictureToShow().cacheKey();
        view->rotateRight();
        QCOMPARE(changes.count(), 1);
        // Frames in the new orientation keep arriving; the screen holds.
        now_ += 150;
        view->toCurrentFrame(filled(Qt::green, 40, 20));
        QCOMPARE(view->currentFrame().size(), QSize(20, 40));
        QCOMPARE(view->pictureToShow().cacheKey(), before);
        now_ += 149;
        QCOMPARE(view->pictureToShow().cacheKey(), before);
        now_ += 1;
        QCOMPARE(view->pictureToShow().size(), QSize(20, 40));
        QCOMPARE(view->pictureToShow().pixelColor(0, 0), QColor(Qt::green));
        // The end of the hold is reported, so a repaint-on-change view
        // leaves the held picture even if no frame comes.
        QTRY_COMPARE(changes.count(), 2);
    }

    void changesApplyToTheNewestFrameAtOnce()
    {
        auto view = makeTransforms();
        QImage frame = filled(Qt::black, 40, 20);
        frame.setPixelColor(0, 0, Qt::red);
        view->toCurrentFrame(frame);
        QSignalSpy changes(view.get(), &ViewTransforms::viewChanged);
        view->toggleMirrorHorizontal();
        QCOMPARE(view->currentFrame().pixelColor(39, 0), QColor(Qt::red));
        view->toggleMirrorVertical();
        QCOMPARE(view->currentFrame().pixelColor(39, 19), QColor(Qt::red));
        view->zoomIn();
        QCOMPARE(view->currentFrame().size(), zoomCutOut(QSize(40, 20), view->state().liveZoom).size());
        view->zoomOut();
        QCOMPARE(view->currentFrame().size(), QSize(40, 20));
        QCOMPARE(changes.count(), 4);
        // The newest frame itself is untouched.
        QCOMPARE(view->newestDecodedFrame().pixelColor(0, 0), QColor(Qt::red));
    }

    void rotateLeftFromStartGoesToThreeQuarters()
    {
        auto view = makeTransforms();
        view->toCurrentFrame(filled(Qt::blue, 1920, 1080));
        view->rotateLeft();
        QCOMPARE(view->state().rotationStep, 3);
        QCOMPARE(view->currentFrame().size(), QSize(1080, 1920));
    }

    void freezeShowsTheFrameOfThatMoment()
    {
        auto view = makeTransforms();
        view->toCurrentFrame(filled(Qt::red));
        QSignalSpy changes(view.get(), &ViewTransforms::viewChanged);
        view->toggleFreeze();
        QVERIFY(view->freezeOn());
        QCOMPARE(changes.count(), 1);
        view->toCurrentFrame(filled(Qt::green));
        // Frames keep updating the current frame; the page holds the still.
        QCOMPARE(view->currentFrame().pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(view->pictureToShow().pixelColor(0, 0), QColor(Qt::red));
        const QImage still(view->freezeStill().path());
        QCOMPARE(still.size(), QSize(64, 48));
        QVERIFY(still.pixelColor(10, 10).red() > 200);

        view->toggleFreeze();
        QCOMPARE(view->pictureToShow().pixelColor(0, 0), QColor(Qt::green));
        view->toCurrentFrame(filled(Qt::blue));
        view->toggleFreeze();
        QCOMPARE(view->pictureToShow().pixelColor(0, 0), QColor(Qt::blue));
        QVERIFY(QImage(view->freezeStill().path()).pixelColor(10, 10).blue() > 200);
    }

    void freezeWithoutAFrameShowsNoStalePicture()
    {
        // A still from an earlier run lies in the folder.
        QVERIFY(filled(Qt::red).save(folder_.filePath(QStringLiteral("still.jpg"))));
        auto view = makeTransforms();
        view->toggleFreeze();
        QVERIFY(view->pictureToShow().isNull());
        QVERIFY(QImage(folder_.filePath(QStringLiteral("still.jpg"))).pixelColor(5, 5).red() > 200);
    }

    void detectorRunsOnEveryFifthFrameWhileDeskewIsOn()
    {
        auto view = makeTransforms();
        QList<QColor> seen;
        view->setDetector([&seen](const QImage &frame) { seen << frame.pixelColor(0, 0); });
        view->toCurrentFrame(filled(Qt::white));
        QCOMPARE(view->detectCounter(), 0); // off: not counted
        view->setDeskewOn(true);
        for (int i = 0; i < 6; ++i)
            view->toCurrentFrame(filled(i == 0 ? Qt::red : (i == 5 ? Qt::green : Qt::gray)));
        QCOMPARE(seen, (QList<QColor>{Qt::red, Qt::green}));
        view->setDeskewOn(false);
        view->toCurrentFrame(filled(Qt::white));
        view->setDeskewOn(true);
        // Counter stands at 6, not reset: the next run is the 10th count.
        for (int i = 0; i < 4; ++i)
            view->toCurrentFrame(filled(Qt::white));
        QCOMPARE(seen.size(), 2);
        view->toCurrentFrame(filled(Qt::blue));
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen.last(), QColor(Qt::blue));
    }

    void cropOffForgetsTheRectangle()
    {
        auto view = makeTransforms();
        view->setCropOn(true);
        view->setCropRect(QRect(QPoint(50, 60), QPoint(10, 20)));
        QCOMPARE(view->cropRect().topLeft(), QPoint(50, 60));
        view->setCropOn(false);
        QCOMPARE(view->cropRect(), QRect(0, 0, 0, 0));
    }
};

REGISTER_TEST_CLASS(ViewTransformsStateTest)
#include "view_transforms_state_test.moc"
