// The live view end to end: the simulated camera streams on its own loopback
// address (127.51.<test>.1), the main window starts the preview for it as the
// connection dialog would, shows the frames, and shuts down while frames are
// still flowing.

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "core/connection/my_wifi_select.h"
#include "core/live_view/my_work.h"
#include "core/startup/process_values.h"

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"
#include "scene/sim_scene_frame_source.h"
#include "stream/sim_stream_server.h"
#include "stream/sim_stream_settings.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// One simulated camera: command side and stream on one address, at a small
// picture size it refuses to leave (so the start's 3840x2880 request is
// answered but changes nothing).
struct Camera {
    explicit Camera(const std::string &address) : scene(state), stream(address, scene), commands(state)
    {
        state.setResolutions({{640, 480, 30}});
        state.selectResolution(640, 480);
        camsim::CommandSideOptions options;
        options.bindAddress = address;
        ok = commands.start(options);
        camsim::StreamSettings settings;
        settings.fps = 30;
        ok = ok && stream.start(settings);
    }
    ~Camera()
    {
        stream.stop();
        commands.stop();
    }
    camsim::SimCameraState state;
    camsim::SceneFrameSource scene;
    camsim::StreamServer stream;
    camsim::SimCommandSide commands;
    bool ok = false;
};

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

} // namespace

class LiveStreamTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

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
        window->connectionDialog()->setAddressText(QStringLiteral("127.51.1.1"));
        window->connectionDialog()->findChild<QPushButton *>("pushButton_go_route")->click();

        QCOMPARE(processValues().cameraIp, QStringLiteral("127.51.1.1"));
        QVERIFY(!window->connectionDialog()->isVisible());
        QVERIFY(window->panelsShown());
        QVERIFY(window->previewHandle() != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!window->currentFrame().isNull(), 15000);
        QCOMPARE(window->currentFrame().size(), QSize(640, 480));

        // The picture area shows the scene, not an empty window.
        const QImage screen = window->grab().toImage();
        const QRect area(window->screenWidth() / 2 - 100, 200, 200, 200);
        QVERIFY(greySpread(screen, area) > 5.0);

        // Frames keep coming: later frames replace the current one.
        const qint64 first = window->currentFrame().cacheKey();
        QTRY_VERIFY_WITH_TIMEOUT(window->currentFrame().cacheKey() != first, 15000);

        std::atomic<bool> threadFinished{false};
        std::atomic<bool> loopEndedBeforeThread{false};
        MyWork *worker = window->worker();
        QObject::connect(window->workerThread(), &QThread::finished, [&]() {
            loopEndedBeforeThread = !worker->isRunning();
            threadFinished = true;
        });
        const auto sentBefore = camera.stream.stats().counts().framesSent;
        QVERIFY(sentBefore > 0);
        delete window;
        QVERIFY(threadFinished);
        QVERIFY(loopEndedBeforeThread);
    }
};

QTEST_MAIN(LiveStreamTest)
#include "live_stream_test.moc"
