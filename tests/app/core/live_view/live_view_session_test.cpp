// SPDX-License-Identifier: GPL-3.0-or-later

// The live-view session against a camera of the test's own: one start at a
// time, the stop order while frames flow, a stalled GUI thread (only the
// newest picture is taken; the bytes are all kept up to their bound),
// reduced-scale display with the camera's size and full pixels on demand,
// and the camera going silent and coming back on a clock of the test's.

#include "core/live_view/live_view_session.h"
#include "core/live_view/my_work.h"
#include "fake_preview_camera.h"
#include "jpeg_test_frames.h"
#include "test_runner.h"
#include "wait_without_events.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <vector>

using namespace testframes;

namespace {

bool decodersIdle(const LiveViewSession &session)
{
    const FrameDecoderPool &pool = session.worker()->decoders();
    return pool.decoded() + pool.skipped() == session.worker()->framesTaken();
}

} // namespace

class LiveViewSessionTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartIsRefusedAndAStoppedViewStartsAgain()
    {
        FakePreviewCamera camera;
        LiveViewSession session(camera.previewCalls());
        QSignalSpy started(&session, &LiveViewSession::startWork);
        QVERIFY(session.start(QStringLiteral("127.0.0.5")));
        QVERIFY(!session.start(QStringLiteral("127.0.0.6")));
        QCOMPARE(started.count(), 1);
        QCOMPARE(session.address(), QStringLiteral("127.0.0.5"));
        QVERIFY(session.workerThread()->isRunning());
        QCOMPARE(session.previewHandle(), camera.handle());
        QCOMPARE(camera.calls(), QStringList({"start 127.0.0.5", "resolution 127.0.0.5 3840x2880"}));

        session.stop();
        QVERIFY(session.previewHandle() == nullptr);
        QVERIFY(!session.workerThread()->isRunning());
        session.stop(); // a second stop does nothing
        QVERIFY(session.start(QStringLiteral("127.0.0.6")));
        camera.serve(twoColourJpeg(64, 48));
        QTRY_COMPARE_WITH_TIMEOUT(session.currentFrame().size(), QSize(64, 48), 10000);
        session.stop();
        QCOMPARE(camera.calls(), QStringList({"start 127.0.0.5", "resolution 127.0.0.5 3840x2880", "stop",
                                              "start 127.0.0.6", "resolution 127.0.0.6 3840x2880", "stop"}));
    }

    void stopWhileFramesFlowEndsLoopThreadAndDecodersBeforeThePreview()
    {
        FakePreviewCamera camera;
        auto session = std::make_unique<LiveViewSession>(camera.previewCalls());
        LiveViewSession *live = session.get();
        camera.serveForever(twoColourJpeg(320, 240));
        bool loopRunning = true, threadRunning = true, decodersRunning = true;
        int servedAtStop = -1;
        camera.onStop([&]() {
            loopRunning = live->worker()->isRunning();
            threadRunning = live->workerThread()->isRunning();
            decodersRunning = live->worker()->decoders().running();
            servedAtStop = camera.framesServed();
        });
        QVERIFY(session->start(QStringLiteral("127.0.0.7")));
        QTRY_VERIFY_WITH_TIMEOUT(session->framePath().framesSeen() >= 5, 10000);
        QVERIFY(camera.framesServed() >= 5);

        session.reset(); // the destructor stops it, frames still flowing
        QVERIFY(!loopRunning);
        QVERIFY(!threadRunning);
        QVERIFY(!decodersRunning);
        QCOMPARE(camera.framesServed(), servedAtStop); // nothing taken after the stop
        QVERIFY(!camera.fetchedAfterStop());
        QCOMPARE(camera.calls().last(), QStringLiteral("stop"));
    }

    void aStalledGuiThreadTakesOnlyTheNewestPicture()
    {
        FakePreviewCamera camera;
        LiveViewSession session(camera.previewCalls());
        std::vector<QByteArray> frames;
        for (int i = 0; i < 60; ++i)
            frames.push_back(twoColourJpeg(40 + 4 * i, 30));
        QVERIFY(session.start(QStringLiteral("127.0.0.8")));
        for (const QByteArray &frame : frames)
            camera.serve(frame);
        // The GUI thread does not run its event loop while all 60 frames
        // are taken and decoded.
        QVERIFY(waitWithoutEvents([&]() {
            return session.worker()->framesTaken() == frames.size() && decodersIdle(session);
        }));
        const quint64 decoded = session.worker()->decoders().decoded();
        QCOMPARE(session.picturesReplaced(), decoded - 1);
        QCOMPARE(session.framePath().framesSeen(), 0LL);

        // Free again: one hand-over, the newest frame.
        QSignalSpy changed(&session, &LiveViewSession::pictureChanged);
        QCoreApplication::processEvents();
        QCOMPARE(session.framePath().framesSeen(), 1LL);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(session.currentFrame().width(), 40 + 4 * 59);
        QCOMPARE(session.cameraFrameSize(), QSize(40 + 4 * 59, 30));
        QCoreApplication::processEvents();
        QCOMPARE(session.framePath().framesSeen(), 1LL);
    }

    void frameBytesSurviveAShortStallAndAreBoundedBeyondIt()
    {
        FakePreviewCamera camera;
        LiveViewSession session(camera.previewCalls());
        std::vector<QByteArray> received;
        connect(&session, &LiveViewSession::frameBytes, &session,
                [&](unsigned char *bytes, int size) { received.emplace_back(reinterpret_cast<char *>(bytes), size); });
        std::vector<QByteArray> frames;
        for (int i = 0; i < 150; ++i)
            frames.push_back(twoColourJpeg(16 + i, 8));

        // Not kept while nobody needs them.
        QVERIFY(session.start(QStringLiteral("127.0.0.9")));
        camera.serve(frames[0]);
        QVERIFY(waitWithoutEvents([&]() { return session.worker()->framesTaken() == 1 && decodersIdle(session); }));
        QCoreApplication::processEvents();
        QVERIFY(received.empty());

        // A short stall: 40 frames, every one arrives, in order.
        session.setKeepFrameBytes(true);
        for (int i = 0; i < 40; ++i)
            camera.serve(frames[size_t(i)]);
        QVERIFY(waitWithoutEvents([&]() { return session.worker()->framesTaken() == 41; }));
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), size_t(40));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(received[size_t(i)], frames[size_t(i)]);
        QCOMPARE(session.frameBytesDropped(), quint64(0));

        // A long one: 150 frames, the newest 90 are kept, the rest counted.
        received.clear();
        for (const QByteArray &frame : frames)
            camera.serve(frame);
        QVERIFY(waitWithoutEvents([&]() { return session.worker()->framesTaken() == 191; }));
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), RawFrameQueue::kDefaultFrames);
        QCOMPARE(session.frameBytesDropped(), quint64(150 - RawFrameQueue::kDefaultFrames));
        QCOMPARE(received.front(), frames[150 - RawFrameQueue::kDefaultFrames]);
        QCOMPARE(received.back(), frames[149]);
        session.stop();
    }

    void smallerDisplayDecodingKeepsTheCameraSizeAndFullPixelsOnDemand()
    {
        FakePreviewCamera camera;
        LiveViewSession session(camera.previewCalls());
        session.setDisplayRows(500);
        QVERIFY(session.start(QStringLiteral("127.0.0.10")));
        camera.serve(twoColourJpeg(1600, 1200));
        QTRY_VERIFY_WITH_TIMEOUT(!session.currentFrame().isNull(), 10000);
        QCOMPARE(session.currentFrame().size(), QSize(800, 600));
        QCOMPARE(session.cameraFrameSize(), QSize(1600, 1200));
        const QImage full = session.fullResolutionFrame();
        QCOMPARE(full.size(), QSize(1600, 1200));
        QVERIFY(near(full.pixelColor(100, 600).blue(), 255));
        QVERIFY(near(full.pixelColor(1500, 600).red(), 255));

        // A picture handed in directly has no bytes: it is its own full size.
        QImage handed(300, 200, QImage::Format_RGB32);
        handed.fill(Qt::green);
        session.acceptFrame(handed);
        QCOMPARE(session.cameraFrameSize(), QSize(300, 200));
        QCOMPARE(session.fullResolutionFrame(), handed);
        session.stop();
    }

    void aSilentCameraIsReportedAndSoIsItsReturn()
    {
        FakePreviewCamera camera;
        LiveViewSession session(camera.previewCalls());
        qint64 now = 50000;
        session.setClock([&now]() { return now; });
        QSignalSpy silent(&session, &LiveViewSession::cameraWentSilent);
        QSignalSpy answered(&session, &LiveViewSession::cameraAnswered);
        QSignalSpy changed(&session, &LiveViewSession::pictureChanged);
        QVERIFY(session.start(QStringLiteral("127.0.0.11")));

        // Never answered since the start.
        now += 1999;
        session.checkCamera();
        QVERIFY(!session.cameraSilent());
        now += 1;
        session.checkCamera();
        QVERIFY(session.cameraSilent());
        QCOMPARE(silent.count(), 1);
        QCOMPARE(answered.count(), 0);
        QCOMPARE(changed.count(), 1);
        now += 5000;
        session.checkCamera();
        QCOMPARE(silent.count(), 1); // said once

        // Frames come: answering again, and the picture follows.
        camera.serve(twoColourJpeg(64, 48));
        QVERIFY(waitWithoutEvents([&]() { return session.worker()->framesTaken() == 1; }));
        now += 100;
        session.checkCamera();
        QVERIFY(!session.cameraSilent());
        QCOMPARE(answered.count(), 1);
        QCOMPARE(answered.at(0).at(0).toBool(), false); // the first answer since the start
        QTRY_COMPARE_WITH_TIMEOUT(session.currentFrame().size(), QSize(64, 48), 10000);

        // They stop again: silent 2 s after the last one, the picture stays.
        now += 2000;
        session.checkCamera();
        QVERIFY(session.cameraSilent());
        QCOMPARE(silent.count(), 2);
        QCOMPARE(session.currentFrame().size(), QSize(64, 48));
        camera.serve(twoColourJpeg(64, 48));
        QVERIFY(waitWithoutEvents([&]() { return session.worker()->framesTaken() == 2; }));
        session.checkCamera();
        QCOMPARE(answered.count(), 2);
        QCOMPARE(answered.at(1).at(0).toBool(), true); // answering again
        session.stop();
        QVERIFY(!session.cameraSilent());
    }
};

REGISTER_TEST_CLASS(LiveViewSessionTest)
#include "live_view_session_test.moc"
