// SPDX-License-Identifier: GPL-3.0-or-later

// The hand-over pieces of the live view, without a camera: the newest-frame
// mailbox, the bounded byte queue, the decoder pool's ordering, and the
// worker's loop fed by a frame source under the test's control (the silence
// watch and the stop are checked through the session).

#include "core/live_view/frame_decoder_pool.h"
#include "core/live_view/latest_frame_mailbox.h"
#include "core/live_view/my_work.h"
#include "core/live_view/picture_buffer_pool.h"
#include "core/live_view/raw_frame_queue.h"
#include "jpeg_test_frames.h"
#include "test_runner.h"
#include "wait_without_events.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

using namespace testframes;

namespace {

LiveFrame frameNumbered(quint64 n)
{
    LiveFrame frame;
    frame.picture = QImage(4, 4, QImage::Format_RGB32);
    frame.picture.fill(QColor(int(n % 256), 0, 0));
    frame.bytes = QByteArray(100, char(n));
    frame.sequence = n;
    return frame;
}

} // namespace

class FrameHandoverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<unsigned char *>("unsigned char*"); }

    void mailboxKeepsOnlyTheNewestFrameAndAsksForOneWakeUp()
    {
        LatestFrameMailbox mailbox;
        QVERIFY(!mailbox.take().has_value());
        int wakeUps = 0;
        QImage first;
        for (quint64 n = 1; n <= 500; ++n) {
            LiveFrame frame = frameNumbered(n);
            if (n == 1)
                first = frame.picture;
            wakeUps += mailbox.put(std::move(frame)) ? 1 : 0;
        }
        // A stalled consumer: 500 frames, one wake-up, one frame held.
        QCOMPARE(wakeUps, 1);
        QCOMPARE(mailbox.replaced(), quint64(499));
        // The replaced pictures were let go (only the test's copy is left).
        QVERIFY(first.isDetached());
        std::optional<LiveFrame> taken = mailbox.take();
        QVERIFY(taken.has_value());
        QCOMPARE(taken->sequence, quint64(500));
        QVERIFY(!mailbox.holdsFrame());
        // Empty again: the next frame needs a new wake-up.
        QVERIFY(mailbox.put(frameNumbered(501)));
        mailbox.clear();
        QVERIFY(!mailbox.take().has_value());
    }

    void mailboxUnderProducersOnTwoThreadsHandsOutEachFrameOnce()
    {
        LatestFrameMailbox mailbox;
        std::atomic<int> wakeUps{0};
        std::atomic<int> finished{0};
        auto produce = [&](quint64 base) {
            for (quint64 n = 0; n < 2000; ++n)
                wakeUps += mailbox.put(frameNumbered(base + n)) ? 1 : 0;
            ++finished;
        };
        std::thread a(produce, 0), b(produce, 100000);
        quint64 taken = 0;
        while (finished.load() < 2) {
            if (mailbox.take())
                ++taken;
            else
                QThread::yieldCurrentThread();
        }
        a.join();
        b.join();
        if (mailbox.take())
            ++taken;
        // Every frame was either taken once or replaced once.
        QCOMPARE(mailbox.replaced() + taken, quint64(4000));
        // Each wake-up announced exactly one frame that was then taken.
        QCOMPARE(quint64(wakeUps.load()), taken);
    }

    void byteQueueKeepsEveryFrameUpToItsBoundThenDropsTheOldest()
    {
        RawFrameQueue queue(5, 1000);
        QVERIFY(queue.push(QByteArray(10, 'a')));
        QVERIFY(!queue.push(QByteArray(10, 'b')));
        for (char c = 'c'; c <= 'e'; ++c)
            queue.push(QByteArray(10, c));
        QCOMPARE(queue.dropped(), quint64(0));
        QCOMPARE(queue.waiting(), size_t(5));
        queue.push(QByteArray(10, 'f'));
        queue.push(QByteArray(10, 'g'));
        QCOMPARE(queue.dropped(), quint64(2));
        std::deque<QByteArray> all = queue.takeAll();
        QCOMPARE(all.size(), size_t(5));
        QCOMPARE(all.front().at(0), 'c'); // the oldest went first
        QCOMPARE(all.back().at(0), 'g');
        QCOMPARE(queue.waitingBytes(), size_t(0));

        // The byte bound: 400-byte frames under a 1000-byte limit.
        QVERIFY(queue.push(QByteArray(400, 'x')));
        queue.push(QByteArray(400, 'y'));
        queue.push(QByteArray(400, 'z'));
        QCOMPARE(queue.waiting(), size_t(2));
        QCOMPARE(queue.waitingBytes(), size_t(800));
        QCOMPARE(queue.dropped(), quint64(3));
        // A single frame above the byte limit is still kept (the newest).
        queue.push(QByteArray(5000, 'w'));
        all = queue.takeAll();
        QCOMPARE(all.size(), size_t(1));
        QCOMPARE(all.front().size(), 5000);
        QCOMPARE(queue.dropped(), quint64(5));
    }

    void byteQueueDefaultHoldsTwoSecondsOfTheLargestFrames()
    {
        // 30 frames/s for 2 s, each as large as the library hands out.
        RawFrameQueue queue;
        for (int i = 0; i < 60; ++i)
            queue.push(QByteArray(QV_MAX_FRAME_BYTES, char(i)));
        QCOMPARE(queue.dropped(), quint64(0));
        QCOMPARE(queue.waiting(), size_t(60));
        for (int i = 0; i < 200; ++i)
            queue.push(QByteArray(1000, 'a'));
        QCOMPARE(queue.waiting(), RawFrameQueue::kDefaultFrames);
        QVERIFY(queue.dropped() > 0);
    }

    void pictureBuffersGoRoundAndBackWhenTheLastCopyIsGone()
    {
        auto pool = PictureBufferPool::create(2);
        for (int i = 0; i < 50; ++i) {
            QImage picture = pool->picture(64, 48, QImage::Format_RGB32);
            QCOMPARE(picture.size(), QSize(64, 48));
            picture.fill(Qt::red);
        }
        QCOMPARE(pool->buffersMade(), size_t(1)); // one buffer, fifty times

        // A copy keeps the buffer out of the pool; the last one gives it back.
        QImage first = pool->picture(64, 48, QImage::Format_RGB32);
        first.fill(Qt::green);
        QImage copy = first;
        first = QImage();
        QCOMPARE(pool->buffersIdle(), size_t(0));
        QImage other = pool->picture(64, 48, QImage::Format_RGB32);
        QCOMPARE(pool->buffersMade(), size_t(2));
        QCOMPARE(copy.pixelColor(10, 10), QColor(Qt::green)); // untouched by the new picture
        copy = QImage();
        other = QImage();
        QCOMPARE(pool->buffersIdle(), size_t(2));

        // Other sizes and formats get their own buffers; only two stay idle.
        QImage grey = pool->picture(33, 7, QImage::Format_Grayscale8);
        QCOMPARE(grey.bytesPerLine(), 36); // rows padded to 32 bits
        grey.fill(0);
        QImage big = pool->picture(128, 96, QImage::Format_RGB32);
        grey = QImage();
        big = QImage();
        QCOMPARE(pool->buffersIdle(), size_t(2));
        QVERIFY(pool->picture(0, 10, QImage::Format_RGB32).isNull());

        // Pictures outlive the pool's owner and let go on another thread.
        QImage kept = pool->picture(64, 48, QImage::Format_RGB32);
        kept.fill(Qt::blue);
        std::weak_ptr<PictureBufferPool> weak = pool;
        pool.reset();
        QVERIFY(!weak.expired());
        std::thread([picture = std::move(kept)]() mutable { picture = QImage(); }).join();
        QVERIFY(weak.expired()); // the last buffer came back and freed it all
    }

    void decoderPoolDeliversPicturesInFrameOrder()
    {
        // Frames of very different sizes, so a later frame often finishes
        // decoding before an earlier one on the other thread.
        std::vector<QByteArray> jpegs = {twoColourJpeg(1600, 1200), twoColourJpeg(32, 24)};
        std::mutex mutex;
        std::vector<quint64> delivered;
        FrameDecoderPool pool(2, [&](LiveFrame &&frame) {
            std::lock_guard<std::mutex> lock(mutex);
            delivered.push_back(frame.sequence);
        });
        pool.start();
        QVERIFY(pool.running());
        quint64 submitted = 0;
        for (int i = 0; i < 200; ++i) {
            pool.submit(jpegs[size_t(i % 2)], submitted++);
            if (i % 3 == 0)
                QThread::usleep(300);
        }
        QVERIFY(waitWithoutEvents([&]() { return pool.decoded() + pool.skipped() == submitted; }));
        pool.stop();
        QVERIFY(!pool.running());
        QCOMPARE(quint64(delivered.size()), pool.decoded());
        QVERIFY(!delivered.empty());
        for (size_t i = 1; i < delivered.size(); ++i)
            QVERIFY2(delivered[i] > delivered[i - 1], "a picture was delivered after a newer one");
        // The last frame is never skipped: nothing newer replaced it.
        QCOMPARE(delivered.back(), submitted - 1);
        // Stopped, the pool takes nothing; started again, it works again.
        pool.submit(jpegs[1], submitted);
        pool.start();
        pool.submit(jpegs[1], submitted + 1);
        QVERIFY(waitWithoutEvents([&]() {
            std::lock_guard<std::mutex> lock(mutex);
            return delivered.back() == submitted + 1;
        }));
    }

    void decoderPoolDecodesForTheDisplayRowsAndKeepsTheCameraSize()
    {
        const QByteArray jpeg = twoColourJpeg(1600, 1200);
        std::mutex mutex;
        std::vector<LiveFrame> delivered;
        FrameDecoderPool pool(2, [&](LiveFrame &&frame) {
            std::lock_guard<std::mutex> lock(mutex);
            delivered.push_back(std::move(frame));
        });
        pool.setDisplayRows(500);
        pool.start();
        pool.submit(jpeg, 0);
        QVERIFY(waitWithoutEvents([&]() { return pool.decoded() == 1; }));
        pool.setDisplayRows(0);
        pool.submit(jpeg, 1);
        QVERIFY(waitWithoutEvents([&]() { return pool.decoded() == 2; }));
        // Turned a quarter, the 1600 pixels of the width stand upright.
        pool.setDisplayRows(400, true);
        pool.submit(jpeg, 2);
        QVERIFY(waitWithoutEvents([&]() { return pool.decoded() == 3; }));
        pool.stop();
        QCOMPARE(delivered.size(), size_t(3));
        QCOMPARE(delivered[2].picture.size(), QSize(400, 300));
        // 1/4 would leave 300 rows, too few for 500: half size.
        QCOMPARE(delivered[0].picture.size(), QSize(800, 600));
        QCOMPARE(delivered[0].cameraSize, QSize(1600, 1200));
        QCOMPARE(delivered[1].picture.size(), QSize(1600, 1200));
        QCOMPARE(delivered[1].cameraSize, QSize(1600, 1200));
    }

    void workerPassesEveryFrameOnInOrderAndStopsItsDecoders()
    {
        std::vector<QByteArray> jpegs;
        for (int i = 0; i < 6; ++i)
            jpegs.push_back(twoColourJpeg(32 + 8 * i, 24));
        std::atomic<int> served{0};
        std::mutex mutex;
        std::vector<QByteArray> bytes;
        std::vector<LiveFrame> pictures;
        MyWork::Delivery delivery;
        delivery.bytes = [&](const QByteArray &frame) {
            std::lock_guard<std::mutex> lock(mutex);
            bytes.push_back(frame);
        };
        delivery.picture = [&](LiveFrame &&frame) {
            std::lock_guard<std::mutex> lock(mutex);
            pictures.push_back(std::move(frame));
        };
        MyWork *worker = nullptr;
        worker = new MyWork(
            [&](PreviewStream *, void *buffer, FrameInfo *) {
                const int n = served.load();
                if (n >= int(jpegs.size()))
                    return 0;
                // One frame at a time, once the previous one was decoded,
                // so none is skipped.
                if (n > 0 && worker->decoders().decoded() < quint64(n))
                    return 0;
                std::memcpy(buffer, jpegs[size_t(n)].constData(), size_t(jpegs[size_t(n)].size()));
                ++served;
                return jpegs[size_t(n)].size();
            },
            delivery);
        QSignalSpy data(worker, &MyWork::sendData);
        QThread thread;
        worker->moveToThread(&thread);
        QObject::connect(&thread, &QThread::started, worker, &MyWork::pullFrames);
        worker->setRunning(true);
        thread.start();
        QVERIFY(waitWithoutEvents([&]() {
            std::lock_guard<std::mutex> lock(mutex);
            return pictures.size() == jpegs.size();
        }));
        worker->setRunning(false);
        thread.quit();
        QVERIFY(thread.wait(10000));
        // The decoders ended with the loop.
        QVERIFY(!worker->decoders().running());
        QCOMPARE(worker->framesTaken(), quint64(jpegs.size()));
        QCOMPARE(data.count(), int(jpegs.size()));
        for (size_t i = 0; i < jpegs.size(); ++i) {
            QCOMPARE(bytes[i], jpegs[i]);
            QCOMPARE(pictures[i].sequence, quint64(i));
            QCOMPARE(pictures[i].bytes, jpegs[i]);
            QCOMPARE(pictures[i].picture.width(), 32 + 8 * int(i));
            QCOMPARE(pictures[i].cameraSize, QSize(32 + 8 * int(i), 24));
        }
        delete worker;
    }

    void emptyAndOversizedFetchesAreSkipped()
    {
        int calls = 0;
        MyWork worker([&](PreviewStream *, void *, FrameInfo *) {
            ++calls;
            return calls == 1 ? -1 : calls == 2 ? QV_MAX_FRAME_BYTES + 1 : 0;
        });
        QSignalSpy data(&worker, &MyWork::sendData);
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
        QCOMPARE(data.count(), 0);
        QCOMPARE(worker.framesTaken(), quint64(0));
        QVERIFY(!worker.decoders().running());
    }
};

REGISTER_TEST_CLASS(FrameHandoverTest)
#include "frame_handover_test.moc"
