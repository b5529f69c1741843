// SPDX-License-Identifier: GPL-3.0-or-later

// bench_frame_decode: the cost of decoding the simulator's camera frames on
// one core, by method, and how the picture on screen compares.
//
//   build/bin/bench_frame_decode [--rows N]
//
// For 1920x1080 and 3840x2880 frames: the median time of the old path
// (cv::imdecode and the conversion to an RGB QImage) and of TurboJPEG at each
// scale the live view might use, accurate and fast inverse DCT. Then the
// picture quality, as PSNR in dB against a careful reference: the full
// accurate decode shrunk by area averaging to the size the window draws
// (N rows, default 1048, the picture area of a 1920x1080 screen).
//   fast DCT vs accurate, full size      how much the fast transform changes
//   screen: full decode, nearest shrink  what the window showed before
//   screen: reduced decode, nearest      what the window shows with scaled
//                                        decoding (nearest: the paint's
//                                        unsmoothed scaling)

#include "core/live_view/frame_decoding.h"
#include "core/live_view/jpeg_frame_decoder.h"

#include "command/sim_camera_state.h"
#include "scene/sim_scene_frame_source.h"
#include "stream/sim_stream_settings.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> cameraFrames(int width, int height, int count)
{
    camsim::SimCameraState state;
    state.selectResolution(width, height);
    camsim::SceneFrameSource scene(state);
    camsim::StreamSettings settings;
    const size_t limit = camsim::frameByteLimit(settings);
    scene.prepare(limit);
    std::vector<Bytes> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(scene.frame(uint32_t(i * 7), limit).jpeg);
    return frames;
}

double medianMs(const std::vector<Bytes> &frames, const std::function<QImage(const Bytes &)> &decode)
{
    std::vector<double> times;
    for (int round = 0; round < 2; ++round)
        for (const Bytes &frame : frames) {
            const auto start = std::chrono::steady_clock::now();
            const QImage picture = decode(frame);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (picture.isNull())
                std::printf("  (a frame did not decode)\n");
        }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

cv::Mat bgrOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    cv::Mat view(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar *>(rgb.constBits()),
                 size_t(rgb.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(view, bgr, cv::COLOR_RGB2BGR);
    return bgr;
}

double psnr(const QImage &a, const QImage &b)
{
    return cv::PSNR(bgrOf(a), bgrOf(b));
}

QImage areaShrink(const QImage &image, const QSize &target)
{
    cv::Mat shrunk;
    cv::resize(bgrOf(image), shrunk, cv::Size(target.width(), target.height()), 0, 0, cv::INTER_AREA);
    cv::Mat rgb;
    cv::cvtColor(shrunk, rgb, cv::COLOR_BGR2RGB);
    return QImage(rgb.data, rgb.cols, rgb.rows, int(rgb.step), QImage::Format_RGB888).copy();
}

void runSize(int width, int height, int rows)
{
    const auto frames = cameraFrames(width, height, 10);
    size_t bytes = 0;
    for (const auto &f : frames)
        bytes += f.size();
    std::printf("\n== %dx%d, %zu frames of %zu KB on average\n", width, height, frames.size(),
                bytes / frames.size() / 1024);
    JpegFrameDecoder decoder;
    std::printf("  %-44s %6.1f ms\n", "cv::imdecode + RGB QImage (before)",
                medianMs(frames, [](const Bytes &f) { return decodeFrame(f.data(), int(f.size())); }));
    const JpegScale scales[] = {{1, 1}, {3, 4}, {5, 8}, {1, 2}, {3, 8}, {1, 4}};
    for (const JpegScale scale : scales) {
        for (const bool fast : {false, true}) {
            char label[80];
            std::snprintf(label, sizeof label, "TurboJPEG %d/%d (%dx%d), %s DCT", scale.num, scale.denom,
                          scale.apply(width), scale.apply(height), fast ? "fast" : "accurate");
            std::printf("  %-44s %6.1f ms\n", label, medianMs(frames, [&](const Bytes &f) {
                            return decoder.decode(f.data(), int(f.size()), scale, fast);
                        }));
        }
    }

    // Quality, averaged over the frames.
    const int drawnWidth = int(double(width) / (double(height) / rows));
    const QSize target(drawnWidth, rows);
    double fastVsAccurate = 0, fullNearest = 0;
    std::vector<double> reduced(std::size(scales), 0);
    for (const Bytes &f : frames) {
        const QImage accurate = decoder.decode(f.data(), int(f.size()));
        const QImage fast = decoder.decode(f.data(), int(f.size()), JpegScale(), true);
        fastVsAccurate += psnr(accurate, fast);
        const QImage reference = areaShrink(accurate, target);
        fullNearest += psnr(reference, accurate.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        for (size_t i = 0; i < std::size(scales); ++i) {
            const QImage small = decoder.decode(f.data(), int(f.size()), scales[i]);
            reduced[i] += psnr(reference, small.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
    }
    const double n = double(frames.size());
    std::printf("  quality (PSNR, dB; higher is closer; 40+ is not visible):\n");
    std::printf("    fast DCT vs accurate DCT, full size:        %.1f\n", fastVsAccurate / n);
    std::printf("    on screen (%dx%d) vs area-shrunk reference:\n", target.width(), target.height());
    std::printf("      full decode, nearest shrink (before):   %.1f\n", fullNearest / n);
    for (size_t i = 0; i < std::size(scales); ++i)
        if (scales[i].apply(height) >= rows)
            std::printf("      %d/%d decode, nearest shrink:           %.1f\n", scales[i].num, scales[i].denom,
                        reduced[i] / n);
}

} // namespace

int main(int argc, char **argv)
{
    int rows = 1048;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            rows = std::max(16, std::atoi(argv[++i]));
    runSize(1920, 1080, rows);
    runSize(3840, 2880, rows);
    return 0;
}
