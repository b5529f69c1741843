// bench_live_view: the whole live view, simulator to screen, at 30 frames/s.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_live_view [--seconds N]
//       [--turns N] [--zoom-steps N]
//
// --turns and --zoom-steps set the view transforms before measuring (quarter
// turns clockwise, zoom-in clicks), as the side bar would.
//
// For each picture size the simulator streams on its own loopback address
// inside this process; the main window shows it as the program would. Prints
// frames shown per second, latency from the simulator's last byte of a frame
// to the paint that first shows it, CPU time per thread, memory, and the
// cost of decoding the same frames with nothing else around (the floor for
// a full-resolution live view).

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "live_view_probe.h"
#include "core/live_view/my_work.h"
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
#include <QTimer>

#include <opencv2/imgcodecs.hpp>

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

struct ViewSetting {
    int turns = 0;
    int zoomSteps = 0;
};

void runCase(int width, int height, int seconds, const char *address, ViewSetting view)
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
    QObject::connect(window->worker(), &MyWork::sendData, window->worker(),
                     [&probe](unsigned char *bytes, int size) { probe.onBytes(bytes, size); },
                     Qt::DirectConnection);
    QObject::connect(window->worker(), &MyWork::sendImage, window->worker(),
                     [&probe](const QImage &image) { probe.onImage(image); }, Qt::DirectConnection);
    window->setPresentObserver([&probe](const QImage &frame) { probe.onPresented(frame); });
    // No command side here: the start's resolution request finds nobody and
    // the stream keeps the size chosen above.
    window->startWifiVideo(QString::fromLatin1(address));
    for (int i = 0; i < view.turns; ++i)
        window->viewTransforms().rotateRight();
    for (int i = 0; i < view.zoomSteps; ++i)
        window->viewTransforms().zoomIn();

    runEventLoopFor(2000); // warm-up
    const long rssBefore = residentKiB();
    const auto threadsBefore = threadCpu();
    const double cpuBefore = processCpuSeconds();
    const auto sentBefore = server.stats().counts().framesSent;
    probe.startMeasuring();
    QElapsedTimer clock;
    clock.start();
    runEventLoopFor(seconds * 1000);
    const double elapsed = double(clock.elapsed()) / 1000.0;
    const double cpu = processCpuSeconds() - cpuBefore;
    const auto threadsAfter = threadCpu();
    const long rssAfter = residentKiB();
    const auto sent = server.stats().counts().framesSent - sentBefore;

    delete window;
    server.stop();

    const auto latencies = probe.latenciesMs();
    std::printf("\n== %dx%d, %d s at 30 frames/s (simulator on %s), %d quarter turns, zoom %.1f\n", width,
                height, seconds, address, view.turns, 1.0 + 0.1 * view.zoomSteps);
    std::printf("frames sent by the simulator: %.1f /s\n", double(sent) / elapsed);
    std::printf("frames decoded by the worker: %.1f /s\n", double(probe.framesDecoded()) / elapsed);
    std::printf("frames shown:                 %.1f /s\n", double(probe.framesShown()) / elapsed);
    std::printf("latency send->first paint:    median %.1f ms, p99 %.1f ms (%zu frames)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99), latencies.size());
    std::printf("process CPU:                  %.0f %% of one core (includes the simulator)\n",
                100.0 * cpu / elapsed);
    for (const auto &entry : threadsAfter) {
        const auto before = threadsBefore.find(entry.first);
        const double used = entry.second.seconds - (before == threadsBefore.end() ? 0 : before->second.seconds);
        if (used / elapsed >= 0.02)
            std::printf("  thread %-16s %5.0f %%\n", entry.second.name.c_str(), 100.0 * used / elapsed);
    }
    std::printf("resident memory:              %ld MiB at start, %ld MiB at end of the run\n",
                rssBefore / 1024, rssAfter / 1024);
    const auto samples = probe.sampleFrames();
    const double floor = decodeFloorMs(samples);
    std::printf("plain cv::imdecode:           median %.1f ms per frame (%zu frames) -> %.1f frames/s on one core\n",
                floor, samples.size(), floor > 0 ? 1000.0 / floor : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int seconds = 20;
    ViewSetting view;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--turns") == 0 && i + 1 < argc)
            view.turns = std::max(0, std::atoi(argv[++i])) % 4;
        else if (std::strcmp(argv[i], "--zoom-steps") == 0 && i + 1 < argc)
            view.zoomSteps = std::min(9, std::max(0, std::atoi(argv[++i])));
    }
    QTemporaryDir settings;
    setSettingsFolderForTests(settings.path());
    processValues();

    runCase(1920, 1080, seconds, "127.71.0.1", view);
    runCase(3840, 2880, seconds, "127.71.0.2", view);
    std::printf("\npeak resident memory (VmHWM): %ld MiB\n", peakResidentKiB() / 1024);
    return 0;
}
