// The live view's frame path without a camera: decoding by picture type,
// the scaled-picture cache, the per-frame byte copies, and the worker's loop
// fed by a frame source under the test's control (frames keep flowing while
// it is stopped).

#include "core/startup/app_settings.h"
#include "core/live_view/frame_byte_copies.h"
#include "core/live_view/frame_decoding.h"
#include "core/live_view/my_work.h"
#include "core/live_view/scaled_frame_cache.h"

#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <atomic>
#include <cstring>
#include <vector>

namespace {

std::vector<unsigned char> encode(const cv::Mat &picture, const char *ext = ".jpg")
{
    std::vector<unsigned char> bytes;
    cv::imencode(ext, picture, bytes);
    return bytes;
}

// A colour picture whose left half is blue and right half red (BGR order in
// OpenCV), so a missing channel swap shows.
cv::Mat twoColourPicture(int width, int height)
{
    cv::Mat picture(height, width, CV_8UC3, cv::Scalar(255, 0, 0));
    picture(cv::Rect(width / 2, 0, width - width / 2, height)).setTo(cv::Scalar(0, 0, 255));
    return picture;
}

bool near(int a, int b)
{
    return qAbs(a - b) <= 12; // JPEG loss
}

} // namespace

Q_DECLARE_METATYPE(unsigned char *)

class LiveViewPiecesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
        qRegisterMetaType<unsigned char *>("unsigned char*");
    }

    void colourFrameDecodesAsRgbWithItsOwnPixels()
    {
        auto bytes = encode(twoColourPicture(64, 48));
        QImage image = decodeFrame(bytes.data(), int(bytes.size()));
        // The source bytes go away; the picture must not depend on them.
        std::memset(bytes.data(), 0, bytes.size());
        bytes.clear();
        bytes.shrink_to_fit();
        QCOMPARE(image.size(), QSize(64, 48));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        const QColor left = image.pixelColor(8, 24);
        const QColor right = image.pixelColor(56, 24);
        QVERIFY(near(left.blue(), 255) && near(left.red(), 0));
        QVERIFY(near(right.red(), 255) && near(right.blue(), 0));
    }

    void greyFrameStaysGrey()
    {
        cv::Mat grey(40, 60, CV_8UC1);
        for (int x = 0; x < 60; ++x)
            grey.col(x).setTo(cv::Scalar(x * 4));
        const auto bytes = encode(grey);
        const QImage image = decodeFrame(bytes.data(), int(bytes.size()));
        QCOMPARE(image.format(), QImage::Format_Grayscale8);
        QCOMPARE(image.size(), QSize(60, 40));
        for (int x = 0; x < 60; x += 7) {
            const QColor c = image.pixelColor(x, 20);
            QCOMPARE(c.red(), c.green());
            QCOMPARE(c.green(), c.blue());
            QVERIFY(near(c.red(), x * 4));
        }
        // Scaled for the screen it is still grey.
        ScaledFrameCache cache;
        const QImage shown = cache.scaled(image, QSize(30, 20));
        const QColor c = shown.pixelColor(15, 10);
        QCOMPARE(c.red(), c.green());
        QCOMPARE(c.green(), c.blue());
    }

    void fourChannelMatrixBecomesArgb()
    {
        cv::Mat bgra(10, 10, CV_8UC4, cv::Scalar(10, 20, 30, 255));
        const QImage image = imageFromMat(bgra);
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QCOMPARE(image.pixelColor(3, 3), QColor(30, 20, 10, 255));
    }

    void brokenFramesGiveANullPicture()
    {
        const unsigned char garbage[] = {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34, 0xFF, 0xD9};
        QVERIFY(decodeFrame(garbage, sizeof garbage).isNull());
        QVERIFY(decodeFrame(nullptr, 100).isNull());
        QVERIFY(decodeFrame(garbage, 0).isNull());
        // A truncated real frame must not crash; whatever survives is fine.
        const auto bytes = encode(twoColourPicture(64, 48));
        decodeFrame(bytes.data(), int(bytes.size() / 3));
        QVERIFY(imageFromMat(cv::Mat(4, 4, CV_16UC1)).isNull());
    }

    void scaledPictureIsMadeOncePerFrameAndSize()
    {
        ScaledFrameCache cache;
        QImage frame(400, 300, QImage::Format_RGB888);
        frame.fill(QColor(10, 200, 30));
        const QImage &a = cache.scaled(frame, QSize(200, 150));
        QCOMPARE(a.size(), QSize(200, 150));
        QCOMPARE(a.pixelColor(100, 75), QColor(10, 200, 30));
        cache.scaled(frame, QSize(200, 150));
        cache.scaled(QImage(frame), QSize(200, 150)); // a shallow copy is the same frame
        QCOMPARE(cache.rescaleCount(), 1);
        cache.scaled(frame, QSize(100, 75));
        QCOMPARE(cache.rescaleCount(), 2);
        // A new frame with other content shows at once.
        QImage next(400, 300, QImage::Format_RGB888);
        next.fill(Qt::white);
        QCOMPARE(cache.scaled(next, QSize(100, 75)).pixelColor(50, 30), QColor(Qt::white));
        QCOMPARE(cache.rescaleCount(), 3);
        // Changing a frame in place makes it a new frame too.
        next.setPixelColor(0, 0, Qt::black);
        cache.scaled(next, QSize(100, 75));
        QCOMPARE(cache.rescaleCount(), 4);
        QVERIFY(cache.scaled(QImage(), QSize(100, 75)).isNull());
    }

    void byteCopiesAreIndependentAndReleasedOnce()
    {
        auto copies = std::make_unique<FrameByteCopies>();
        unsigned char source[5] = {1, 2, 3, 4, 5};
        unsigned char *a = copies->make(source, 5);
        unsigned char *b = copies->make(source, 5);
        QVERIFY(a != source && a != b);
        source[0] = 99;
        QCOMPARE(int(a[0]), 1);
        QCOMPARE(copies->outstanding(), size_t(2));
        copies->release(a);
        copies->release(a); // a second release is ignored
        unsigned char foreign[1] = {0};
        copies->release(foreign);
        copies->release(nullptr);
        QCOMPARE(copies->outstanding(), size_t(1));
        QVERIFY(copies->make(source, 0) == nullptr);
        copies.reset(); // b freed here (a leak checker would tell)
    }

    void workerSendsBytesThenPictureForEveryFrame()
    {
        const auto jpeg = encode(twoColourPicture(32, 24));
        std::atomic<int> served{0};
        auto *worker = new MyWork([&](PreviewStream *, void *buffer, FrameInfo *) {
            if (served.load() >= 3)
                return 0;
            ++served;
            std::memcpy(buffer, jpeg.data(), jpeg.size());
            return int(jpeg.size());
        });
        // Direct connections: the lambdas run on the worker thread, in the
        // order the worker emits.
        QMutex lock;
        QStringList order;
        std::vector<std::vector<unsigned char>> received;
        std::atomic<int> pictures{0};
        QObject::connect(worker, &MyWork::sendData, [&](unsigned char *bytes, int size) {
            QMutexLocker hold(&lock);
            order << QStringLiteral("data");
            received.emplace_back(bytes, bytes + size);
            worker->releaseFrameBytes(bytes);
        });
        QObject::connect(worker, &MyWork::sendImage, [&](const QImage &image) {
            QMutexLocker hold(&lock);
            order << (image.size() == QSize(32, 24) ? QStringLiteral("image") : QStringLiteral("bad"));
            ++pictures;
        });
        QThread thread;
        worker->moveToThread(&thread);
        QObject::connect(&thread, &QThread::started, worker, &MyWork::pullFrames);
        worker->setRunning(true);
        thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(pictures.load(), 3, 10000);
        worker->setRunning(false);
        thread.quit();
        QVERIFY(thread.wait(10000));
        QCOMPARE(order, QStringList({"data", "image", "data", "image", "data", "image"}));
        QCOMPARE(received.size(), size_t(3));
        QVERIFY(received[2] == jpeg);
        QCOMPARE(worker->frameBytesInFlight(), size_t(0));
        delete worker;
    }

    void emptyAndOversizedFetchesAreSkipped()
    {
        int calls = 0;
        MyWork worker([&](PreviewStream *, void *, FrameInfo *) {
            ++calls;
            return calls == 1 ? -1 : calls == 2 ? QV_MAX_FRAME_BYTES + 1 : 0;
        });
        QSignalSpy images(&worker, &MyWork::sendImage);
        QSignalSpy data(&worker, &MyWork::sendData);
        // Ends the loop after a few polls from the fetch itself.
        MyWork *w = &worker;
        worker.setRunning(true);
        QThread stopper;
        QObject::connect(&stopper, &QThread::started, [w]() {
            QThread::msleep(30);
            w->setRunning(false);
        });
        stopper.start();
        worker.pullFrames();
        stopper.quit();
        QVERIFY(stopper.wait(10000));
        QVERIFY(calls >= 2);
        QCOMPARE(images.count(), 0);
        QCOMPARE(data.count(), 0);
    }

    void stopWhileFramesFlowEndsTheLoopAndFreesQueuedBytes()
    {
        const auto jpeg = encode(twoColourPicture(320, 240));
        std::atomic<int> served{0};
        auto *worker = new MyWork([&](PreviewStream *, void *buffer, FrameInfo *) {
            ++served;
            std::memcpy(buffer, jpeg.data(), jpeg.size());
            return int(jpeg.size());
        });
        QThread thread;
        worker->moveToThread(&thread);
        QObject receiver;
        // The receiver never gets to run its slots before the stop: every
        // frame's bytes are still queued when the worker goes away.
        QObject::connect(worker, &MyWork::sendData, &receiver, [](unsigned char *, int) {});
        QObject::connect(&thread, &QThread::started, worker, &MyWork::pullFrames);
        worker->setRunning(true);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(served.load() >= 5, 10000);

        worker->setRunning(false);   // returns after the current pass
        const int servedAtStop = served.load();
        thread.quit();
        QVERIFY(thread.wait(10000));
        QCOMPARE(served.load(), servedAtStop); // nothing fetched after the stop
        QVERIFY(worker->frameBytesInFlight() >= 5);
        QCoreApplication::removePostedEvents(&receiver);
        delete worker; // frees the copies nobody gave back
    }
};

QTEST_MAIN(LiveViewPiecesTest)
#include "live_view_pieces_test.moc"
