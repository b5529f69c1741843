// SPDX-License-Identifier: GPL-3.0-or-later

// What watching for page turns costs per frame: the thumbnail of the live
// picture (as the live view hands it over: BGR, or 32-bit RGB as a QImage
// holds it) and the watcher's decision, on a scripted stack of pages with
// hands passing and pages turned. Reported as a share of one core at
// 30 frames/s, for every frame and for every other frame.
//
//   bench_page_watch [--size WxH] [--rounds N]

#include "imaging/page_watch/page_thumbnail.h"
#include "imaging/page_watch/page_turn_watcher.h"
#include "scene/sim_scene_script.h"
#include "scene/sim_scene_script_renderer.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

const char *const kScript = "page 1 2\nturn 2 1.2\npage 2 2\nhand 1\npage 2 1.5\n"
                            "turn 3 1.2\npage 3 2\n";

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Plays the script once at 30 frames/s, feeding every `stride`-th frame
// in 8-bit BGR (fourChannels false) or BGRA. Frames are drawn one at a
// time (a 4K sequence would not fit in memory); only the thumbnail and the
// watcher are timed, in CPU time of this thread.
struct Figures {
    double msPerFrame = 0;
    int pages = 0;
};

// The obvious thumbnail, for comparison: the whole frame made grey, then
// averaged down.
cv::Mat wholeFrameThumbnail(const cv::Mat &frame)
{
    cv::Mat gray, thumbnail;
    cv::cvtColor(frame, gray, frame.channels() == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY);
    cv::resize(gray, thumbnail, cv::Size(kThumbnailWidth, frame.rows * kThumbnailWidth / frame.cols),
               0, 0, cv::INTER_AREA);
    return thumbnail;
}

Figures watch(const camsim::SceneScript &script, camsim::SceneScriptRenderer &renderer, int fps,
              int stride, bool fourChannels, bool wholeFrame = false)
{
    Figures f;
    PageTurnWatcher watcher;
    const int frames = static_cast<int>((script.totalSeconds() + 1.5) * fps);
    double cpu = 0;
    cv::Mat four;
    for (int i = 0; i < frames; i += stride) {
        const cv::Mat bgr = renderer.render(camsim::sceneMomentAt(script, double(i) / fps),
                                            static_cast<uint32_t>(i));
        if (fourChannels)
            cv::cvtColor(bgr, four, cv::COLOR_BGR2BGRA);
        const double start = cpuSeconds();
        const cv::Mat &frame = fourChannels ? four : bgr;
        const cv::Mat thumbnail = wholeFrame ? wholeFrameThumbnail(frame) : pageThumbnail(frame);
        if (watcher.feed(thumbnail, static_cast<long long>(i) * 1000 / fps) ==
            PageTurnWatcher::Verdict::TakePage)
            ++f.pages;
        cpu += cpuSeconds() - start;
    }
    // Per camera frame: the skipped frames cost nothing.
    f.msPerFrame = cpu * 1000.0 / frames;
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    int width = 1920, height = 1080, rounds = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc &&
            std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2) {
            ++i;
        } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: bench_page_watch [--size WxH] [--rounds N]\n");
            return 2;
        }
    }
    camsim::SceneScript script;
    std::string error;
    if (!camsim::parseSceneScript(kScript, script, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const int fps = 30;
    camsim::SceneScriptRenderer renderer(width, height);
    std::printf("page watch on %dx%d, a scripted stack of 3 pages (%.1f s), %d rounds\n", width,
                height, script.totalSeconds() + 1.5, rounds);
    double every = 0;
    for (bool fourChannels : {false, true}) {
        for (int stride : {1, 2}) {
            std::vector<Figures> runs;
            for (int r = 0; r < rounds; ++r)
                runs.push_back(watch(script, renderer, fps, stride, fourChannels));
            std::sort(runs.begin(), runs.end(), [](const Figures &a, const Figures &b) {
                return a.msPerFrame < b.msPerFrame;
            });
            const Figures &median = runs[runs.size() / 2];
            std::printf("  %-5s every %s frame: %.3f ms CPU per camera frame = %.2f %% of one core "
                        "at 30 frames/s (median of %d; pages taken: %d)\n",
                        fourChannels ? "RGB32" : "BGR", stride == 1 ? "     " : "other",
                        median.msPerFrame, median.msPerFrame * fps / 10.0, rounds, median.pages);
            if (!fourChannels && stride == 1)
                every = median.msPerFrame;
        }
    }
    const Figures whole = watch(script, renderer, fps, 1, false, true);
    std::printf("  for comparison, a thumbnail of the whole frame (grey, then averaged), BGR, every\n"
                "  frame: %.3f ms = %.2f %% of one core; picking first is %.1f times cheaper\n",
                whole.msPerFrame, whole.msPerFrame * fps / 10.0, whole.msPerFrame / every);
    return 0;
}
