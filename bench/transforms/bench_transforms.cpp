// SPDX-License-Identifier: GPL-3.0-or-later

// bench_transforms: what the live view's frame path costs per frame.
//
// For 1920x1080 and 3840x2880 RGB888 frames, the median time of:
//   - a plain copy of the frame (the yardstick, measured in the same run);
//   - the frame path: quarter turn + left-right mirror + zoom 1.5, and then
//     the scaling to its place on a 1920x1080 screen (what is painted);
//   - the same turn, mirror and zoom done the plain way (three whole-frame
//     steps with Qt), for comparison;
//   - the grey conversion, vectorised and pixel by pixel.
// Prints each with its ratio to the plain copy.

#include "core/live_view/picture_placement.h"
#include "core/live_view/scaled_frame_cache.h"
#include "imaging/transforms/gray_from_image.h"
#include "imaging/transforms/view_transform.h"

#include <QGuiApplication>
#include <QTransform>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int rounds, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QImage cameraLikeFrame(int width, int height)
{
    QImage frame(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *row = frame.scanLine(y);
        for (int x = 0; x < width * 3; ++x)
            row[x] = uchar((x * 7 + y * 3) & 0xff);
    }
    return frame;
}

QImage stepByStep(const QImage &frame, const ViewState &state)
{
    QTransform turn;
    turn.rotate(90 * state.rotationStep);
    QImage picture = frame.transformed(turn, Qt::FastTransformation);
    picture = picture.mirrored(state.mirrorHorizontal, state.mirrorVertical);
    const double W = picture.width(), H = picture.height(), d = state.liveZoom - 1;
    return picture.copy(int(W * d * 0.5), int(d * H * 0.5), int(W - W * d), int(H - d * H));
}

void runCase(int width, int height, int rounds)
{
    const QImage frame = cameraLikeFrame(width, height);
    ViewState state;
    state.rotationStep = 1;
    state.mirrorHorizontal = true;
    state.liveZoom = 1.5;
    volatile qint64 sink = 0;

    const double copy = medianMs(rounds, [&] { sink += frame.copy().cacheKey(); });
    const double transform = medianMs(rounds, [&] { sink += applyViewTransform(frame, state).cacheKey(); });
    const double path = medianMs(rounds, [&] {
        const QImage current = applyViewTransform(frame, state);
        ScaledFrameCache cache;
        const QRect target = pictureTargetRect(current.size(), 1920, 1048);
        sink += cache.scaled(current, target.size()).cacheKey();
    });
    ViewState turnOnly;
    turnOnly.rotationStep = 1;
    const double turnPath = medianMs(rounds, [&] {
        const QImage current = applyViewTransform(frame, turnOnly);
        ScaledFrameCache cache;
        sink += cache.scaled(current, pictureTargetRect(current.size(), 1920, 1048).size()).cacheKey();
    });
    const double plain = medianMs(rounds, [&] { sink += stepByStep(frame, state).cacheKey(); });
    const double grey = medianMs(rounds, [&] { sink += grayFromImage(frame).cols; });
    const double greyPlain = medianMs(std::max(3, rounds / 5), [&] {
        cv::Mat out(frame.height(), frame.width(), CV_8UC1);
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb p = frame.pixel(x, y);
                out.at<uchar>(y, x) = uchar((11 * qRed(p) + 16 * qGreen(p) + 5 * qBlue(p)) >> 5);
            }
        sink += out.cols;
    });

    std::printf("\n== %dx%d RGB888, median of %d\n", width, height, rounds);
    std::printf("plain copy of the frame:                         %7.2f ms  (1.00)\n", copy);
    std::printf("turn + mirror + zoom 1.5:                        %7.2f ms  (%.2f x copy)\n", transform, transform / copy);
    std::printf("  ... + scaling to its place (the frame path):   %7.2f ms  (%.2f x copy)\n", path, path / copy);
    std::printf("turn only + scaling (no zoom):                   %7.2f ms  (%.2f x copy)\n", turnPath, turnPath / copy);
    std::printf("turn, mirror, zoom as three whole-frame steps:   %7.2f ms  (%.2f x copy)\n", plain, plain / copy);
    std::printf("grey conversion, vectorised:                     %7.2f ms  (%.2f x copy)\n", grey, grey / copy);
    std::printf("grey conversion, pixel by pixel:                 %7.2f ms  (%.2f x copy)\n", greyPlain, greyPlain / copy);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    runCase(1920, 1080, 40);
    runCase(3840, 2880, 20);
    return 0;
}
