// SPDX-License-Identifier: GPL-3.0-or-later

// bench_live_view: the whole live view, simulator to screen, at 30 frames/s.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_live_view [--seconds N] [--only WxH]
//       [--turns N] [--zoom-steps N] [--decoders N] [--full-scale] [--fast-dct]
//
// --turns and --zoom-steps set the view transforms before measuring (quarter
// turns clockwise, zoom-in clicks), as the side bar would.
//
// The last three change the live view for measuring one step at a time:
// the number of decoder threads (2), decoding at full size instead of the
// size the screen needs, and the fast inverse DCT.
//
// For each picture size (1920x1080, then 3840x2880) the simulator streams on
// its own loopback address inside this process and the main window shows it
// as the program would. Each size runs three phases:
//   streaming  frames shown per second, latency from the simulator's last
//              byte of a frame to the paint that first shows it, CPU time of
//              the process and of each busy thread;
//   still      the camera sends nothing for 3 s: paints and GUI-thread CPU
//              (a still picture should cost nothing);
//   stall      the GUI thread is blocked for 5 s while frames keep coming:
//              resident memory before, at its peak during, and after; then
//              again while a recording keeps every frame's bytes (bounded).
// At the end: the plain cv::imdecode cost of the same frames (the floor of
// a full-resolution live view on one core) and the process's peak memory.

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "core/live_view/live_view_session.h"
#include "core/live_view/my_work.h"
#include "live_view_probe.h"
#include "memory_sampler.h"
#include "process_usage.h"
#include "core/startup/process_values.h"
#include "imaging/transforms/view_transforms.h"

#include "command/sim_camera_state.h"
#include "scene/sim_scene_frame_source.h"
#include "stream/sim_stream_server.h"
#include "stream/sim_stream_settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <opencv2/imgcodecs.hpp>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

void runEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double decodeFloorMs(const std::vector<std::vector<unsigned char>> &frames)
{
    std::vector<double> times;
    for (int round = 0; round < 2; ++round) {
        for (const auto &bytes : frames) {
            const cv::Mat raw(1, int(bytes.size()), CV_8UC1, const_cast<unsigned char *>(bytes.data()));
            const auto start = std::chrono::steady_clock::now();
            const cv::Mat picture = cv::imdecode(raw, cv::IMREAD_ANYCOLOR);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            (void)picture;
        }
    }
    return percentile(times, 0.5);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    long long count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// CPU seconds of every thread and of the GUI thread at one moment.
struct CpuMark {
    CpuMark() : threads(threadCpu()), process(processCpuSeconds())
    {
        const auto gui = threads.find(int(getpid()));
        guiThread = gui == threads.end() ? 0 : gui->second.seconds;
    }
    std::map<int, ThreadCpu> threads;
    double process = 0;
    double guiThread = 0;
};

void printThreads(const CpuMark &before, const CpuMark &after, double elapsed)
{
    for (const auto &entry : after.threads) {
        const auto earlier = before.threads.find(entry.first);
        const double used = entry.second.seconds - (earlier == before.threads.end() ? 0 : earlier->second.seconds);
        if (used / elapsed >= 0.02)
            std::printf("    thread %-16s %5.0f %%%s\n", entry.second.name.c_str(), 100.0 * used / elapsed,
                        entry.first == int(getpid()) ? "  (GUI)" : "");
    }
}

struct Variant {
    int decoders = MyWork::kDecoderThreads;
    bool fullScale = false;
    bool fastDct = false;
    int turns = 0;
    int zoomSteps = 0;
};

void runCase(int width, int height, int seconds, const char *address, const Variant &variant,
             MemorySampler &memory, std::vector<std::vector<unsigned char>> &samples)
{
    camsim::SimCameraState state;
    state.selectResolution(width, height);
    camsim::SceneFrameSource scene(state);
    camsim::StreamSettings settings;
    settings.fps = 30;
    scene.prepare(camsim::frameByteLimit(settings));
    camsim::StreamServer server(address, scene);
    if (!server.start(settings)) {
        std::printf("%dx%d: could not start the simulator on %s\n", width, height, address);
        return;
    }

    LiveViewProbe probe(server.stats());
    auto *window = new Corvane;
    window->show();
    PaintCounter paints;
    window->installEventFilter(&paints);
    attachProbe(*window, probe);
    window->liveView().worker()->setDecoderThreads(variant.decoders);
    window->liveView().worker()->setFastDct(variant.fastDct);
    if (variant.fullScale)
        window->liveView().setDisplayRows(0);
    // No command side here: the start's resolution request finds nobody and
    // the stream keeps the size chosen above.
    window->startWifiVideo(QString::fromLatin1(address));
    for (int i = 0; i < variant.turns; ++i)
        window->viewTransforms().rotateRight();
    for (int i = 0; i < variant.zoomSteps; ++i)
        window->viewTransforms().zoomIn();

    runEventLoopFor(2000); // warm-up
    std::printf("\n== %dx%d at 30 frames/s (simulator on %s); %d decoder thread(s), %s, %s DCT;"
                " %d quarter turns, zoom %.1f\n",
                width, height, address, variant.decoders,
                variant.fullScale ? "full-size decoding" : "decoded for the screen",
                variant.fastDct ? "fast" : "accurate", variant.turns, 1.0 + 0.1 * variant.zoomSteps);

    // Streaming.
    const long rssBefore = residentKiB();
    const CpuMark streamStart;
    const auto sentBefore = server.stats().counts().framesSent;
    probe.startMeasuring();
    QElapsedTimer clock;
    clock.start();
    runEventLoopFor(seconds * 1000);
    const double elapsed = double(clock.elapsed()) / 1000.0;
    const CpuMark streamEnd;
    probe.stopMeasuring();
    const auto sent = server.stats().counts().framesSent - sentBefore;
    const auto latencies = probe.latenciesMs();
    std::printf("  streaming, %d s:\n", seconds);
    std::printf("    frames sent by the simulator: %.1f /s\n", double(sent) / elapsed);
    std::printf("    frames decoded:               %.1f /s\n", double(probe.framesDecoded()) / elapsed);
    std::printf("    frames shown:                 %.1f /s\n", double(probe.framesShown()) / elapsed);
    std::printf("    latency send->first paint:    median %.1f ms, p99 %.1f ms (%zu frames)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99), latencies.size());
    std::printf("    process CPU:                  %.0f %% of one core (includes the simulator)\n",
                100.0 * (streamEnd.process - streamStart.process) / elapsed);
    std::printf("    GUI thread CPU:               %.0f %%\n",
                100.0 * (streamEnd.guiThread - streamStart.guiThread) / elapsed);
    printThreads(streamStart, streamEnd, elapsed);
    std::printf("    resident memory:              %ld MiB at start, %ld MiB at end\n", rssBefore / 1024,
                residentKiB() / 1024);
    const FrameDecoderPool &decoders = window->liveView().worker()->decoders();
    std::printf("    since the start:              %llu frames taken, %llu decoded, %llu skipped by the decoders,\n"
                "                                  %llu pictures replaced in the mailbox, %lld shown\n",
                (unsigned long long)window->liveView().worker()->framesTaken(),
                (unsigned long long)decoders.decoded(), (unsigned long long)decoders.skipped(),
                (unsigned long long)window->liveView().picturesReplaced(),
                (long long)window->liveView().framePath().framesSeen());

    // Still: the camera sends nothing; what is left in flight settles first.
    server.setPaused(true);
    runEventLoopFor(700);
    const CpuMark stillStart;
    const long long paintsBefore = paints.count;
    clock.restart();
    runEventLoopFor(3000);
    const double stillElapsed = double(clock.elapsed()) / 1000.0;
    const CpuMark stillEnd;
    std::printf("  still (camera silent), %.1f s:\n", stillElapsed);
    std::printf("    paints:                       %lld (%.1f /s)\n", paints.count - paintsBefore,
                double(paints.count - paintsBefore) / stillElapsed);
    std::printf("    GUI thread CPU:               %.1f %%\n",
                100.0 * (stillEnd.guiThread - stillStart.guiThread) / stillElapsed);
    std::printf("    process CPU:                  %.1f %%\n",
                100.0 * (stillEnd.process - stillStart.process) / stillElapsed);
    server.setPaused(false);
    const long long shownBeforeResume = probe.framesShownTotal();
    clock.restart();
    while (probe.framesShownTotal() < shownBeforeResume + 30 && clock.elapsed() < 15000)
        runEventLoopFor(100);
    std::printf("    back to live after:           %.1f s (30 frames shown)\n", double(clock.elapsed()) / 1000.0);

    // Stall: the GUI thread is busy for 5 s while frames keep coming.
    runEventLoopFor(1000);
    const long rssStall = residentKiB();
    memory.reset();
    QTimer::singleShot(0, []() { QThread::msleep(5000); });
    runEventLoopFor(100);
    const long peakStall = memory.peakKiB();
    runEventLoopFor(2000);
    std::printf("  GUI stall of 5 s:\n");
    std::printf("    resident memory:              %ld MiB before, peak %ld MiB during (+%ld), %ld MiB 2 s after\n",
                rssStall / 1024, peakStall / 1024, (peakStall - rssStall) / 1024, residentKiB() / 1024);

    // The same while a recording needs every frame's bytes.
    long long bytesFrames = 0;
    QObject::connect(&window->liveView(), &LiveViewSession::frameBytes, &window->liveView(),
                     [&bytesFrames](unsigned char *, int) { ++bytesFrames; });
    window->liveView().setKeepFrameBytes(true);
    runEventLoopFor(1000);
    const long rssRecording = residentKiB();
    const long long framesBefore = (long long)window->liveView().worker()->framesTaken();
    const long long bytesBefore = bytesFrames;
    const quint64 droppedBefore = window->liveView().frameBytesDropped();
    memory.reset();
    QTimer::singleShot(0, []() { QThread::msleep(5000); });
    runEventLoopFor(100);
    const long peakRecording = memory.peakKiB();
    runEventLoopFor(2000);
    window->liveView().setKeepFrameBytes(false);
    std::printf("  GUI stall of 5 s while a recording keeps the bytes:\n");
    std::printf("    resident memory:              %ld MiB before, peak %ld MiB during (+%ld), %ld MiB 2 s after\n",
                rssRecording / 1024, peakRecording / 1024, (peakRecording - rssRecording) / 1024,
                residentKiB() / 1024);
    std::printf("    frame bytes:                  %lld taken, %lld handed to the recording, %llu dropped\n",
                (long long)window->liveView().worker()->framesTaken() - framesBefore, bytesFrames - bytesBefore,
                (unsigned long long)(window->liveView().frameBytesDropped() - droppedBefore));

    delete window;
    server.stop();
    for (auto &frame : probe.sampleFrames())
        samples.push_back(std::move(frame));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int seconds = 20;
    QString only;
    Variant variant;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            only = QString::fromLatin1(argv[++i]);
        else if (std::strcmp(argv[i], "--turns") == 0 && i + 1 < argc)
            variant.turns = std::max(0, std::atoi(argv[++i])) % 4;
        else if (std::strcmp(argv[i], "--zoom-steps") == 0 && i + 1 < argc)
            variant.zoomSteps = std::min(9, std::max(0, std::atoi(argv[++i])));
        else if (std::strcmp(argv[i], "--decoders") == 0 && i + 1 < argc)
            variant.decoders = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--full-scale") == 0)
            variant.fullScale = true;
        else if (std::strcmp(argv[i], "--fast-dct") == 0)
            variant.fastDct = true;
    }
    QTemporaryDir settings;
    setSettingsFolderForTests(settings.path());
    processValues();

    MemorySampler memory;
    struct Size {
        int width, height;
        const char *address;
    };
    std::vector<std::pair<Size, std::vector<std::vector<unsigned char>>>> runs;
    for (const Size size : {Size{1920, 1080, "127.71.0.1"}, Size{3840, 2880, "127.71.0.2"}}) {
        if (!only.isEmpty() && only != QStringLiteral("%1x%2").arg(size.width).arg(size.height))
            continue;
        runs.push_back({size, {}});
        runCase(size.width, size.height, seconds, size.address, variant, memory, runs.back().second);
    }
    std::printf("\n");
    for (const auto &run : runs) {
        const double floor = decodeFloorMs(run.second);
        std::printf("plain cv::imdecode %dx%d: median %.1f ms per frame (%zu frames) -> %.1f frames/s on one core\n",
                    run.first.width, run.first.height, floor, run.second.size(), floor > 0 ? 1000.0 / floor : 0.0);
    }
    std::printf("peak resident memory (VmHWM): %ld MiB\n", peakResidentKiB() / 1024);
    return 0;
}
