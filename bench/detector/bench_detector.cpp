// SPDX-License-Identifier: GPL-3.0-or-later

// bench_detector: the document detector against the textbook OpenCV contour
// finder on rendered desk scenes with known sheet outlines.
//
//   build/bin/bench_detector [--scenes N] [--seed S] [--runs R] [--dump DIR]
//
// Accuracy: for every scene with a sheet, the Jaccard index of the found
// outline against the true one (0 when none is found), its mean, and the
// share of scenes at 0.9 or better; for scenes without a sheet, how many
// got an outline all the same. Per scene kind and overall, 1920x1080.
// Speed: median CPU and wall time per frame at 1920x1080 and 3840x2880,
// single-threaded, both from the decoded BGR frame (the detector's time
// includes the application's grey conversion, shown apart as well). --dump writes each scene with the true
// outline (green), the detector's (red) and the contour finder's (blue).

#include "contour_detector.h"
#include "desk_scenes.h"
#include "outline_overlap.h"

#include "imaging/detection/document_detector.h"
#include "imaging/detection/gray_conversion.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Options {
    int scenes = 200;
    uint64_t seed = 1;
    int runs = 15;
    std::string dump;
};

bool parseOptions(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--scenes") && hasValue)
            options->scenes = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--seed") && hasValue)
            options->seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--runs") && hasValue)
            options->runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--dump") && hasValue)
            options->dump = argv[++i];
        else
            return false;
    }
    return true;
}

struct Tally {
    int sheets = 0;
    double jaccardSum = 0;
    int good = 0;       // Jaccard >= 0.9
    int empty = 0;      // scenes without a sheet
    int falseFinds = 0; // outlines found in those

    void add(bool hasSheet, bool found, double jaccard)
    {
        if (hasSheet) {
            ++sheets;
            jaccardSum += jaccard;
            good += jaccard >= 0.9 ? 1 : 0;
        } else {
            ++empty;
            falseFinds += found ? 1 : 0;
        }
    }
    std::string text() const
    {
        char line[96];
        if (sheets)
            std::snprintf(line, sizeof line, "J %.3f  >=0.9 %3d%%", jaccardSum / sheets,
                          100 * good / sheets);
        else
            std::snprintf(line, sizeof line, "false finds %d/%d", falseFinds, empty);
        return line;
    }
};

bool runDetector(const cv::Mat &picture, std::array<cv::Point2f, 4> *corners)
{
    static const DocumentDetector detector;
    DocumentOutline outline;
    if (detector.detectDocument(grayFromBgr(picture), &outline) != kDetectFound)
        return false;
    for (int i = 0; i < 4; ++i)
        (*corners)[i] = cv::Point2f(outline.corners[i]);
    return true;
}

void drawOutline(cv::Mat &picture, const std::array<cv::Point2f, 4> &corners, cv::Scalar colour)
{
    for (int i = 0; i < 4; ++i)
        cv::line(picture, corners[i], corners[(i + 1) % 4], colour, 5, cv::LINE_AA);
}

double medianMs(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double threadCpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Median CPU time of this thread and median wall time per frame. OpenCV
// runs on this thread alone (see main), so the CPU time is the whole cost
// of a frame, and it holds up when other work shares the machine.
struct FrameTime {
    double cpu;
    double wall;
};

template <typename Work>
FrameTime timePerFrame(const std::vector<cv::Mat> &frames, int runs, Work work)
{
    std::vector<double> cpu, wall;
    for (int run = 0; run < runs; ++run)
        for (const cv::Mat &frame : frames) {
            const double cpuStart = threadCpuMs();
            const auto start = std::chrono::steady_clock::now();
            work(frame);
            wall.push_back(std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - start)
                               .count());
            cpu.push_back(threadCpuMs() - cpuStart);
        }
    return {medianMs(cpu), medianMs(wall)};
}

void timeSize(cv::Size size, int count, const Options &options)
{
    std::vector<cv::Mat> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(bench::renderDeskScene(i, size, options.seed).picture);
    std::vector<cv::Mat> grays;
    for (const cv::Mat &f : frames)
        grays.push_back(grayFromBgr(f));
    std::array<cv::Point2f, 4> corners;
    const DocumentDetector detector;
    DocumentOutline outline;
    const FrameTime detectOnly = timePerFrame(grays, options.runs, [&](const cv::Mat &g) {
        detector.detectDocument(g, &outline);
    });
    const FrameTime gray = timePerFrame(frames, options.runs, [&](const cv::Mat &f) {
        grayFromBgr(f);
    });
    const FrameTime ours = timePerFrame(frames, options.runs, [&](const cv::Mat &f) {
        runDetector(f, &corners);
    });
    const FrameTime contours = timePerFrame(frames, options.runs, [&](const cv::Mat &f) {
        bench::findSheetByContours(f, &corners);
    });
    std::printf("%dx%d (%d scenes x %d runs, median ms per frame, CPU / wall):\n", size.width,
                size.height, count, options.runs);
    std::printf("  detector        %6.2f / %6.2f  (grey conversion %.2f / %.2f, detectDocument "
                "%.2f / %.2f)\n",
                ours.cpu, ours.wall, gray.cpu, gray.wall, detectOnly.cpu, detectOnly.wall);
    std::printf("  contour finder  %6.2f / %6.2f\n", contours.cpu, contours.wall);
    std::printf("  ratio detector / contour finder (CPU): %.2f; detectDocument alone: %.2f\n",
                contours.cpu > 0 ? ours.cpu / contours.cpu : 0.0,
                contours.cpu > 0 ? detectOnly.cpu / contours.cpu : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    // Both detectors on this thread only, as on the application's GUI
    // thread: the CPU time per frame is then their whole cost.
    cv::setNumThreads(1);
    Options options;
    if (!parseOptions(argc, argv, &options)) {
        std::fprintf(stderr, "usage: bench_detector [--scenes N] [--seed S] [--runs R] [--dump DIR]\n");
        return 2;
    }
    const cv::Size size(1920, 1080);
    std::map<std::string, std::pair<Tally, Tally>> byKind;
    std::vector<std::string> kindOrder;
    Tally oursAll, contoursAll;
    for (int n = 0; n < options.scenes; ++n) {
        const bench::DeskScene scene = bench::renderDeskScene(n, size, options.seed);
        std::array<cv::Point2f, 4> ours{}, theirs{};
        const bool foundOurs = runDetector(scene.picture, &ours);
        const bool foundTheirs = bench::findSheetByContours(scene.picture, &theirs);
        const double jOurs =
            foundOurs && scene.hasSheet ? bench::outlineJaccard(ours, scene.sheet, size) : 0.0;
        const double jTheirs =
            foundTheirs && scene.hasSheet ? bench::outlineJaccard(theirs, scene.sheet, size) : 0.0;
        if (!byKind.count(scene.kind))
            kindOrder.push_back(scene.kind);
        byKind[scene.kind].first.add(scene.hasSheet, foundOurs, jOurs);
        byKind[scene.kind].second.add(scene.hasSheet, foundTheirs, jTheirs);
        oursAll.add(scene.hasSheet, foundOurs, jOurs);
        contoursAll.add(scene.hasSheet, foundTheirs, jTheirs);
        if (!options.dump.empty()) {
            cv::Mat shown = scene.picture.clone();
            if (scene.hasSheet)
                drawOutline(shown, scene.sheet, cv::Scalar(0, 200, 0));
            if (foundOurs)
                drawOutline(shown, ours, cv::Scalar(0, 0, 255));
            if (foundTheirs)
                drawOutline(shown, theirs, cv::Scalar(255, 80, 0));
            char name[64];
            std::snprintf(name, sizeof name, "/scene_%03d_%.2f_%.2f.jpg", n, jOurs, jTheirs);
            cv::Mat small;
            cv::resize(shown, small, cv::Size(), 0.5, 0.5, cv::INTER_AREA);
            cv::imwrite(options.dump + name, small);
        }
    }

    std::printf("accuracy, %d scenes of 1920x1080, seed %llu:\n", options.scenes,
                static_cast<unsigned long long>(options.seed));
    std::printf("  %-26s %-28s %s\n", "kind", "detector", "contour finder");
    for (const std::string &kind : kindOrder)
        std::printf("  %-26s %-28s %s\n", kind.c_str(), byKind[kind].first.text().c_str(),
                    byKind[kind].second.text().c_str());
    Tally oursSheets = oursAll, contoursSheets = contoursAll;
    std::printf("  %-26s %-28s %s\n", "all with a sheet", oursAll.text().c_str(),
                contoursAll.text().c_str());
    oursSheets.sheets = contoursSheets.sheets = 0;
    std::printf("  %-26s %-28s %s\n", "all without a sheet", oursSheets.text().c_str(),
                contoursSheets.text().c_str());

    timeSize(cv::Size(1920, 1080), 10, options);
    timeSize(cv::Size(3840, 2880), 4, options);
    return 0;
}
