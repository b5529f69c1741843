// SPDX-License-Identifier: GPL-3.0-or-later

// Recording throughput: frames per second the recorder writes for large JPEG
// frames, against writing the very same bytes with plain fwrite, measured in
// the same run on the same folder.
//
// The recorder's clock is advanced by exactly one frame interval per add, so
// every add writes one frame (no frames dropped or repeated by pacing).
//
// Usage: bench_recorder [folder]   (default /dev/shm, else the working folder)

#include "recorder/avi_file.h"
#include "recorder/recorder.h"

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Jpeg = std::vector<std::uint8_t>;

constexpr int kFps = 15;
constexpr int kRounds = 7;

// A picture with smooth areas, edges and some noise, so the JPEG size is
// close to that of a camera frame at the same quality.
Jpeg makeFrame(int width, int height, int seed)
{
    cv::Mat picture(height, width, CV_8UC3);
    for (int y = 0; y < height; ++y) {
        auto *row = picture.ptr<cv::Vec3b>(y);
        for (int x = 0; x < width; ++x) {
            row[x] = cv::Vec3b(static_cast<uchar>((x / 7 + seed * 40) & 0xFF),
                               static_cast<uchar>((y / 5) & 0xFF),
                               static_cast<uchar>((((x / 64) ^ (y / 64)) * 29) & 0xFF));
        }
    }
    cv::Mat noise(height, width, CV_8UC3);
    cv::theRNG().state = static_cast<std::uint64_t>(seed) + 1;
    cv::randu(noise, cv::Scalar::all(0), cv::Scalar::all(12));
    picture += noise;
    std::vector<uchar> out;
    cv::imencode(".jpg", picture, out, {cv::IMWRITE_JPEG_QUALITY, 90});
    return Jpeg(out.begin(), out.end());
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Returns the seconds for frameCount adds plus stop; writes frameCount + 1
// frames (the last one again at stop).
double recordWithRecorder(const std::string &path, const std::vector<Jpeg> &frames,
                          int width, int height, int frameCount)
{
    std::uint32_t now = 0;
    Recorder recorder(qv::RecorderSeams{[&] { return now; }, nullptr});
    recorder.setVideoParams(width, height, kFps);
    const std::uint32_t interval = static_cast<std::uint32_t>(recorder.frameIntervalMs());
    const auto start = Clock::now();
    if (!recorder.start(path.c_str()))
        return -1;
    for (int i = 0; i < frameCount; ++i) {
        const Jpeg &f = frames[static_cast<std::size_t>(i) % frames.size()];
        recorder.addVideo(f.data(), static_cast<int>(f.size()));
        now += interval;
    }
    const int result = recorder.stop();
    const double seconds = secondsSince(start);
    return result == 0 ? seconds : -1;
}

// The writer alone, without pacing and the held-frame copy: the same chunks
// the recorder writes, straight into an AviFile.
double recordWithWriter(const std::string &path, const std::vector<Jpeg> &frames, int width,
                        int height, int frameCount)
{
    const auto start = Clock::now();
    std::unique_ptr<qv::AviFile> file = qv::AviFile::open(path);
    if (!file)
        return -1;
    file->setVideo(width, height, kFps, "MJPG");
    for (int i = 0; i < frameCount; ++i) {
        const Jpeg &f = frames[static_cast<std::size_t>(i) % frames.size()];
        file->writeFrame(f.data(), f.size(), false);
    }
    const Jpeg &last = frames[static_cast<std::size_t>(frameCount - 1) % frames.size()];
    file->writeFrame(last.data(), last.size(), false);
    const bool ok = file->close() == 0 && file->lostChunks() == 0;
    const double seconds = secondsSince(start);
    return ok ? seconds : -1;
}

// The same bytes as the recorder's file (header area, the same chunk
// sequence, an index of the same size), written with fwrite.
double recordWithFwrite(const std::string &path, const std::vector<Jpeg> &frames, int frameCount)
{
    const auto start = Clock::now();
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return -1;
    static const std::uint8_t zeros[2048] = {};
    bool ok = std::fwrite(zeros, 1, sizeof zeros, f) == sizeof zeros;
    std::vector<std::uint8_t> index;
    auto writeChunk = [&](const Jpeg &data) {
        const std::uint32_t n = static_cast<std::uint32_t>(data.size());
        const std::uint8_t head[8] = {'0', '0', 'd', 'b', static_cast<std::uint8_t>(n),
                                      static_cast<std::uint8_t>(n >> 8),
                                      static_cast<std::uint8_t>(n >> 16),
                                      static_cast<std::uint8_t>(n >> 24)};
        ok = ok && std::fwrite(head, 1, 8, f) == 8;
        ok = ok && std::fwrite(data.data(), 1, data.size(), f) == data.size();
        if (data.size() & 1)
            ok = ok && std::fputc(0, f) != EOF;
        index.insert(index.end(), 16, 0);
    };
    for (int i = 0; i < frameCount; ++i)
        writeChunk(frames[static_cast<std::size_t>(i) % frames.size()]);
    writeChunk(frames[static_cast<std::size_t>(frameCount - 1) % frames.size()]);
    ok = ok && std::fwrite(index.data(), 1, index.size(), f) == index.size();
    ok = ok && std::fseek(f, 0, SEEK_SET) == 0 && std::fwrite(zeros, 1, 2048, f) == 2048;
    ok = (std::fclose(f) == 0) && ok;
    const double seconds = secondsSince(start);
    return ok ? seconds : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void runCase(const std::string &folder, int width, int height, int frameCount)
{
    std::vector<Jpeg> frames;
    std::size_t bytes = 0;
    for (int s = 0; s < 4; ++s) {
        frames.push_back(makeFrame(width, height, s));
        bytes += frames.back().size();
    }
    const double meanKiB = static_cast<double>(bytes) / frames.size() / 1024.0;
    const std::string recorderPath = folder + "/bench_recorder_rec.avi";
    const std::string plainPath = folder + "/bench_recorder_plain.avi";
    const std::string writerPath = folder + "/bench_recorder_writer.avi";

    std::vector<double> recorderTimes, plainTimes, writerTimes;
    for (int round = 0; round < kRounds; ++round) {
        // Alternate so both see the same state of the page cache and medium.
        const double r = recordWithRecorder(recorderPath, frames, width, height, frameCount);
        std::filesystem::remove(recorderPath);
        const double p = recordWithFwrite(plainPath, frames, frameCount);
        std::filesystem::remove(plainPath);
        const double w = recordWithWriter(writerPath, frames, width, height, frameCount);
        std::filesystem::remove(writerPath);
        if (r < 0 || p < 0 || w < 0) {
            std::printf("%dx%d: writing failed in %s\n", width, height, folder.c_str());
            return;
        }
        recorderTimes.push_back(r);
        plainTimes.push_back(p);
        writerTimes.push_back(w);
    }
    const double written = frameCount + 1;
    const double recorderFps = written / median(recorderTimes);
    const double plainFps = written / median(plainTimes);
    const double writerFps = written / median(writerTimes);
    std::printf("%5dx%-5d %9.0f %7d %13.1f %13.1f %13.1f %8.2f %8.2f\n", width, height, meanKiB,
                frameCount + 1, recorderFps, writerFps, plainFps, plainFps / recorderFps,
                plainFps / writerFps);
}

} // namespace

int main(int argc, char **argv)
{
    std::string folder = argc > 1 ? argv[1] : "/dev/shm";
    if (!std::filesystem::is_directory(folder))
        folder = std::filesystem::current_path().string();
    std::printf("recording throughput in %s (median of %d rounds)\n", folder.c_str(), kRounds);
    std::printf("%-11s %9s %7s %13s %13s %13s %8s %8s\n", "frame", "mean KiB", "frames",
                "recorder f/s", "writer f/s", "fwrite f/s", "ratio", "w-ratio");
    runCase(folder, 1920, 1080, 1500);
    runCase(folder, 3840, 2880, 300);
    std::printf("ratio = recorder time / fwrite time for the same bytes (goal: at most 1.2);\n"
                "w-ratio = the writer alone (no pacing, no held-frame copy) / fwrite\n");
    return 0;
}
