// SPDX-License-Identifier: GPL-3.0-or-later

// The live view end to end: the simulated camera streams on its own loopback
// address (127.51.<test>.1), the main window starts the preview for it as the
// connection dialog would and shows the frames; the camera pauses, is killed
// and started again, or was never there; and the window shuts down while
// frames are still flowing. The live view's silence clock is the test's, so
// "2 s without a frame" passes when the test says so.

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "core/main_window/status_banner.h"
#include "core/connection/my_wifi_select.h"
#include "core/live_view/live_view_session.h"
#include "core/live_view/my_work.h"
#include "core/startup/process_values.h"
#include "simulated_camera.h"


#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

using Camera = SimulatedCamera;

SimulatedCamera::Options tcpCamera()
{
    SimulatedCamera::Options options;
    options.transport = camsim::StreamTransport::Tcp;
    return options;
}

double greySpread(const QImage &image, const QRect &area)
{
    double sum = 0, sumSq = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); y += 4)
        for (int x = area.left(); x <= area.right(); x += 4) {
            const int g = qGray(image.pixel(x, y));
            sum += g;
            sumSq += double(g) * g;
            ++n;
        }
    const double mean = sum / n;
    return std::sqrt(std::max(0.0, sumSq / n - mean * mean));
}

// Whether the centre of the picture area carries the dark notice box.
bool showsNotice(Corvane &window)
{
    const QImage screen = window.grab().toImage();
    const QPoint centre(window.screenWidth() / 2, 32 + window.viewHeight() / 2);
    // The box is near black, with white text across the middle.
    const QColor edge = screen.pixelColor(centre.x(), centre.y() - 28);
    int bright = 0;
    for (int x = centre.x() - 150; x <= centre.x() + 150; ++x)
        for (int y = centre.y() - 25; y <= centre.y() + 25; ++y)
            bright += qGray(screen.pixel(x, y)) > 200 ? 1 : 0;
    return edge.lightness() < 90 && bright > 50;
}

// Waits until the worker has taken no new frame for a while: the camera
// is quiet and what was in flight has arrived.
void waitUntilQuiet(LiveViewSession &live)
{
    quint64 seen = live.worker()->framesTaken();
    for (int stable = 0; stable < 6;) {
        QTest::qWait(100);
        const quint64 now = live.worker()->framesTaken();
        stable = now == seen ? stable + 1 : 0;
        seen = now;
    }
}

struct FakeClock {
    qint64 now = 1000000;
    void attach(LiveViewSession &live)
    {
        live.setClock([this]() { return now; });
    }
};

} // namespace

class LiveStreamTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

    static void startFromDialog(Corvane &window, const QString &address)
    {
        window.connectionDialog()->setAddressText(address);
        window.connectionDialog()->findChild<QPushButton *>("pushButton_go_route")->click();
    }

    static QString bannerText(Corvane &window)
    {
        return window.findChild<QLabel *>("state_label_text")->text();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void routeModeShowsTheCameraAndStopsCleanlyWhileFramesFlow()
    {
        Camera camera("127.51.1.1");
        QVERIFY(camera.ok);

        auto *window = new Corvane;
        window->show();
        startFromDialog(*window, QStringLiteral("127.51.1.1"));

        QCOMPARE(processValues().cameraIp, QStringLiteral("127.51.1.1"));
        QVERIFY(!window->connectionDialog()->isVisible());
        QVERIFY(window->panelsShown());
        LiveViewSession &live = window->liveView();
        QVERIFY(live.previewHandle() != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!window->currentFrame().isNull(), 15000);
        QCOMPARE(window->currentFrame().size(), QSize(640, 480));
        QCOMPARE(live.cameraFrameSize(), QSize(640, 480));

        // The picture area shows the scene, not an empty window.
        const QImage screen = window->grab().toImage();
        const QRect area(window->screenWidth() / 2 - 100, 200, 200, 200);
        QVERIFY(greySpread(screen, area) > 5.0);
        QVERIFY(!showsNotice(*window));

        // Frames keep coming: later frames replace the current one.
        const qint64 first = window->currentFrame().cacheKey();
        QTRY_VERIFY_WITH_TIMEOUT(window->currentFrame().cacheKey() != first, 15000);

        // A second address while this one runs changes nothing.
        window->startWifiVideo(QStringLiteral("127.51.1.2"));
        QCOMPARE(live.address(), QStringLiteral("127.51.1.1"));
        QVERIFY(window->panelsShown());

        // Closing while frames flow: the loop ends, then the thread, then the
        // stream (the order itself is checked with a camera of the test's
        // own in live_view_session_test).
        std::atomic<bool> threadFinished{false};
        std::atomic<bool> loopEndedBeforeThread{false};
        std::atomic<bool> decodersEndedBeforeThread{false};
        MyWork *worker = live.worker();
        QObject::connect(live.workerThread(), &QThread::finished, [&]() {
            loopEndedBeforeThread = !worker->isRunning();
            decodersEndedBeforeThread = !worker->decoders().running();
            threadFinished = true;
        });
        QVERIFY(camera.stream.stats().counts().framesSent > 0);
        delete window;
        QVERIFY(threadFinished);
        QVERIFY(loopEndedBeforeThread);
        QVERIFY(decodersEndedBeforeThread);
    }

    void aCameraThatDoesNotAnswerFromTheStartIsSaidSo()
    {
        Corvane window;
        window.show();
        FakeClock clock;
        clock.attach(window.liveView());
        // Nothing listens on this address.
        startFromDialog(window, QStringLiteral("127.51.2.9"));
        QVERIFY(window.liveView().isRunning());
        QVERIFY(!showsNotice(window));
        clock.now += 2000;
        window.liveView().checkCamera();
        QVERIFY(window.liveView().cameraSilent());
        QVERIFY(window.currentFrame().isNull());
        QTRY_VERIFY(showsNotice(window));

        // The camera is switched on after all: the picture comes by itself.
        Camera camera("127.51.2.9");
        QVERIFY(camera.ok);
        QTRY_VERIFY_WITH_TIMEOUT(!window.currentFrame().isNull(), 15000);
        clock.now += 100;
        window.liveView().checkCamera();
        QVERIFY(!window.liveView().cameraSilent());
        QCOMPARE(bannerText(window), Corvane::tr("xiangji_lianjie"));
        QTRY_VERIFY(!showsNotice(window));
    }

    void aPausedCameraIsSaidSoAndThePictureResumesByItself()
    {
        Camera camera("127.51.3.1");
        QVERIFY(camera.ok);
        Corvane window;
        window.show();
        FakeClock clock;
        clock.attach(window.liveView());
        LiveViewSession &live = window.liveView();
        startFromDialog(window, QStringLiteral("127.51.3.1"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.currentFrame().isNull(), 15000);

        camera.stream.setPaused(true);
        waitUntilQuiet(live);
        clock.now += 2000;
        live.checkCamera();
        QVERIFY(live.cameraSilent());
        QTRY_VERIFY(showsNotice(window));
        // The last picture stays around the notice.
        const QImage screen = window.grab().toImage();
        QVERIFY(greySpread(screen, QRect(window.screenWidth() / 2 - 100, 60, 200, 100)) > 5.0);
        const qint64 lastPicture = window.currentFrame().cacheKey();

        camera.stream.setPaused(false);
        const quint64 before = live.worker()->framesTaken();
        QTRY_VERIFY_WITH_TIMEOUT(live.worker()->framesTaken() > before, 15000);
        clock.now += 100;
        live.checkCamera();
        QVERIFY(!live.cameraSilent());
        QCOMPARE(bannerText(window), Corvane::tr("xiangji_huifu"));
        QTRY_VERIFY_WITH_TIMEOUT(window.currentFrame().cacheKey() != lastPicture, 15000);
        QTRY_VERIFY(!showsNotice(window));
    }

    void aCameraKilledAndStartedAgainComesBackOverTcp()
    {
        auto camera = std::make_unique<Camera>("127.51.4.1", tcpCamera());
        QVERIFY(camera->ok);
        Corvane window;
        window.show();
        FakeClock clock;
        clock.attach(window.liveView());
        LiveViewSession &live = window.liveView();
        startFromDialog(window, QStringLiteral("127.51.4.1"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.currentFrame().isNull(), 15000);

        camera.reset(); // the camera process is gone
        waitUntilQuiet(live);
        clock.now += 2000;
        live.checkCamera();
        QVERIFY(live.cameraSilent());
        QTRY_VERIFY(showsNotice(window));

        camera = std::make_unique<Camera>("127.51.4.1", tcpCamera());
        QVERIFY(camera->ok);
        const quint64 before = live.worker()->framesTaken();
        QTRY_VERIFY_WITH_TIMEOUT(live.worker()->framesTaken() > before + 3, 20000);
        clock.now += 100;
        live.checkCamera();
        QVERIFY(!live.cameraSilent());
        QCOMPARE(bannerText(window), Corvane::tr("xiangji_huifu"));
        QTRY_VERIFY(!showsNotice(window));
    }
};

QTEST_MAIN(LiveStreamTest)
#include "live_stream_test.moc"
