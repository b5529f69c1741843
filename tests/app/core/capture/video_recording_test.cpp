// SPDX-License-Identifier: GPL-3.0-or-later

// Video recordings of the simulated camera's stream, made with the tool
// bar's button in a real window: the file declares the size of the frames
// it holds (the camera's size for an untransformed view, the turned and
// zoomed size otherwise, as ffmpeg decodes them), a camera that is silent
// when the recording starts, a resolution change during the recording, a
// recording refused off the live page, and a full disk.

#include "core/capture/recorded_file_check.h"
#include "core/capture/video_recording_tool.h"
#include "core/connection/my_wifi_select.h"
#include "core/live_view/live_view_session.h"
#include "core/live_view/my_work.h"
#include "core/live_view/raw_frame_queue.h"
#include "core/main_window/corvane.h"
#include "core/startup/process_values.h"
#include "imaging/transforms/view_transform.h"
#include "imaging/transforms/view_transforms.h"
#include "tools/tool_bar/my_tool_bar.h"


#include "recorded_video.h"
#include "simulated_camera.h"
#include "test_runner.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Two picture sizes, so a recording can see the camera change its size.
struct Camera : SimulatedCamera {
    explicit Camera(const std::string &address, bool paused = false)
        : SimulatedCamera(address, options(paused))
    {
    }
    static Options options(bool paused)
    {
        Options options;
        options.sizes = {{640, 480, 30}, {320, 240, 30}};
        options.paused = paused;
        return options;
    }
};

// The window, connected to the camera as the connection dialog does it,
// saving into a folder of its own.
struct Rig {
    explicit Rig(const QString &address)
    {
        processValues().savePath = folder.path();
        window.show();
        window.connectionDialog()->setAddressText(address);
        window.connectionDialog()->findChild<QPushButton *>("pushButton_go_route")->click();
    }
    ~Rig() { processValues().savePath = "0"; }

    QToolButton *recordButton() const { return window.toolBar()->button(MyToolBar::RecordVideo); }
    QString banner() const { return window.findChild<QLabel *>("state_label_text")->text(); }
    QStringList videos() const { return QDir(folder.path()).entryList({"*.avi"}, QDir::Files); }
    QString video() const { return folder.path() + "/" + videos().value(0); }
    // Waits until the worker has taken `frames` more frames from the camera.
    bool framesPass(quint64 frames)
    {
        const quint64 start = window.liveView().worker()->framesTaken();
        return QTest::qWaitFor([&] { return window.liveView().worker()->framesTaken() >= start + frames; },
                               20000);
    }

    QTemporaryDir folder;
    Corvane window;
};

QString savedMessage(const QString &path)
{
    return "Video Recording successfully saved to [" + path + "]";
}

// Darkness of a band of columns: the camera's display bar is the darkest
// part of the scene, across the top of its picture.
int meanGrey(const QImage &picture, const QRect &area)
{
    long long sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(picture.pixel(x, y));
    return int(sum / (area.width() * area.height()));
}

} // namespace

class VideoRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QStandardPaths::findExecutable("ffprobe").size() > 0);
    }

    void anUntransformedViewRecordsTheCameraFramesAtTheCameraSize()
    {
        Camera camera("127.53.1.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.1.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);

        rig.recordButton()->click();
        QVERIFY(rig.window.liveView().keepsFrameBytes());
        QVERIFY(rig.window.findChild<QWidget *>("widget_luxiang")->isVisible());
        QVERIFY(rig.framesPass(20));
        rig.recordButton()->click();
        QVERIFY(!rig.window.liveView().keepsFrameBytes());
        QVERIFY(!rig.window.toolBar()->recordVideoOn());
        QVERIFY(rig.window.findChild<QWidget *>("widget_luxiang")->isHidden());

        QCOMPARE(rig.videos().size(), 1);
        QVERIFY2(rig.banner().startsWith(savedMessage(rig.video())), qPrintable(rig.banner()));
        const RecordedVideo video = inspectRecording(rig.video());
        QCOMPARE(video.declared, QSize(640, 480));
        QCOMPARE(video.streamDeclared, QSize(640, 480));
        QVERIFY(video.frames.size() >= 5);
        QCOMPARE(video.frames.count(QSize(640, 480)), video.frames.size());
        QVERIFY(video.decodesCleanly);
    }

    void aTurnedAndZoomedViewIsRecordedAsShown()
    {
        Camera camera("127.53.2.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.2.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        rig.window.side_youzhuan();
        rig.window.side_fangda();
        rig.window.side_fangda();
        // Two steps of 0.1 in binary: a hair above 1.2, 383x511.
        const QSize shown = zoomCutOut(QSize(480, 640), rig.window.viewTransforms().state().liveZoom).size();
        QCOMPARE(rig.window.currentFrame().size(), shown);

        rig.recordButton()->click();
        QVERIFY(rig.window.videoRecording().recordingNow().reencodes());
        QVERIFY(rig.framesPass(20));
        rig.recordButton()->click();

        QVERIFY2(rig.banner().startsWith(savedMessage(rig.video())), qPrintable(rig.banner()));
        const RecordedVideo video = inspectRecording(rig.video());
        QCOMPARE(video.declared, shown);
        QCOMPARE(video.streamDeclared, shown);
        QVERIFY(video.frames.size() >= 5);
        QCOMPARE(video.frames.count(shown), video.frames.size());
        QVERIFY(video.decodesCleanly);
        // Turned clockwise: the camera's display bar runs down the right.
        const QImage first = recordedFrame(rig.video(), 0);
        QCOMPARE(first.size(), shown);
        QVERIFY(meanGrey(first, QRect(first.width() - 8, 0, 8, first.height()))
                < meanGrey(first, QRect(0, 0, 8, first.height())) - 30);
    }

    void aSilentCameraGetsItsFramesRecordedWhenTheyCome()
    {
        Camera camera("127.53.3.1", true);
        QVERIFY(camera.ok);
        Rig rig("127.53.3.1");
        // Stopped before any frame came: nothing to keep, and said so.
        rig.recordButton()->click();
        QCOMPARE(rig.banner(), VideoRecordingTool::tr("No picture from the camera yet: the recording begins with its first frame."));
        rig.recordButton()->click();
        QCOMPARE(rig.banner(), VideoRecordingTool::tr("Nothing was recorded: no frame came from the camera."));
        QVERIFY(rig.videos().isEmpty());

        rig.recordButton()->click();
        camera.stream.setPaused(false);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        QVERIFY(rig.framesPass(15));
        rig.recordButton()->click();
        QVERIFY2(rig.banner().startsWith(savedMessage(rig.video())), qPrintable(rig.banner()));
        const RecordedVideo video = inspectRecording(rig.video());
        QCOMPARE(video.declared, QSize(640, 480));
        QVERIFY(!video.frames.isEmpty());
        QCOMPARE(video.frames.count(QSize(640, 480)), video.frames.size());
    }

    void aResolutionChangeDuringARecordingKeepsTheDeclaredSize()
    {
        Camera camera("127.53.4.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.4.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        rig.recordButton()->click();
        QVERIFY(rig.framesPass(10));
        camera.state.selectResolution(320, 240);
        QTRY_VERIFY_WITH_TIMEOUT(rig.window.liveView().cameraFrameSize() == QSize(320, 240), 20000);
        QVERIFY(rig.framesPass(15));
        rig.recordButton()->click();
        QVERIFY2(rig.banner().startsWith(savedMessage(rig.video())), qPrintable(rig.banner()));
        const RecordedVideo video = inspectRecording(rig.video());
        QCOMPARE(video.declared, QSize(640, 480));
        QCOMPARE(video.frames.count(QSize(640, 480)), video.frames.size());
        QVERIFY(video.decodesCleanly);
        // The smaller frames fill the height of the declared picture.
        const QImage last = recordedFrame(rig.video(), video.frames.size() - 1);
        QVERIFY(meanGrey(last, QRect(300, 200, 40, 80)) > 40);
    }

    void recordingIsRefusedOffTheLivePageAndTheButtonGoesBack()
    {
        Camera camera("127.53.5.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.5.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        rig.window.findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(2);
        rig.recordButton()->click();
        QCOMPARE(rig.banner(), VideoRecordingTool::tr("Recording works on the live picture only."));
        QVERIFY(!rig.window.toolBar()->recordVideoOn());
        QVERIFY(!rig.window.videoRecording().recording());
        QVERIFY(!rig.window.liveView().keepsFrameBytes());
        // The next click starts, not stops.
        rig.window.findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(0);
        rig.recordButton()->click();
        QVERIFY(rig.window.videoRecording().recording());
        rig.recordButton()->click();
    }

    void framesTheBytePathDroppedAreCountedInTheStopMessage()
    {
        Camera camera("127.53.7.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.7.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        rig.recordButton()->click();
        QVERIFY(rig.window.videoRecording().recording());
        const quint64 droppedBefore = rig.window.liveView().frameBytesDropped();
        // A GUI thread that hangs: the camera's bytes pile up in the byte
        // queue until it throws the oldest away.
        MyWork *worker = rig.window.liveView().worker();
        const quint64 start = worker->framesTaken();
        const quint64 beyond = RawFrameQueue::kDefaultFrames + 15;
        for (int waited = 0; worker->framesTaken() < start + beyond && waited < 30000; waited += 20)
            QThread::msleep(20);
        QVERIFY(worker->framesTaken() >= start + beyond);
        rig.recordButton()->click();
        // Stopped: the byte path takes no more, so the count is final.
        const quint64 dropped = rig.window.liveView().frameBytesDropped() - droppedBefore;
        QVERIFY(dropped >= 10);

        QCOMPARE(rig.banner(), savedMessage(rig.video()) + ' '
                                   + VideoRecordingTool::tr("%1 frames are missing: the computer could not keep up with the camera.")
                                         .arg(dropped));
        // What waited in the byte queue when the stop came went to the
        // recorder (which keeps the newest frame of each 15 fps slot).
        const RecordedVideo video = inspectRecording(rig.video());
        QVERIFY(!video.frames.isEmpty());
        QVERIFY(video.decodesCleanly);
    }

    void aFullDiskIsReportedAndTheFileStillPlays()
    {
        Camera camera("127.53.6.1");
        QVERIFY(camera.ok);
        Rig rig("127.53.6.1");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.currentFrame().isNull(), 20000);
        // The disk "fills" at 400 KB: writes past it fail with EFBIG.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 400 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);

        rig.recordButton()->click();
        QVERIFY(rig.window.videoRecording().recording());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(rig.video()).size() > 300 * 1024, 30000);
        QVERIFY(rig.framesPass(30));
        rig.recordButton()->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY2(!rig.banner().contains("successfully"), qPrintable(rig.banner()));
        QCOMPARE(rig.banner(), VideoRecordingTool::tr("The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.")
                                   .arg(rig.video()));
        QVERIFY(QFileInfo(rig.video()).size() <= 400 * 1024);
        const RecordedVideo video = inspectRecording(rig.video());
        QCOMPARE(video.declared, QSize(640, 480));
        QVERIFY(video.frames.size() >= 2);
        QVERIFY(video.decodesCleanly);
    }
};

REGISTER_TEST_CLASS(VideoRecordingTest)
#include "video_recording_test.moc"
