// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream_bench_case.h"

#include "thread_cpu.h"

#include "qv_camera.h"
#include "stream/sim_stream_jpeg_tags.h"
#include "stream/sim_stream_server.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t at = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
    return v[at];
}

double cpuOf(const std::vector<pid_t> &tids, std::vector<double> &last)
{
    double sum = 0;
    for (size_t i = 0; i < tids.size(); ++i) {
        const double now = threadCpuSeconds(tids[i]);
        if (now >= 0)
            last[i] = now;
        sum += last[i];
    }
    return sum;
}

// Median time of one copy of `bytes`, walking through buffers far larger
// than the caches so that every copy comes from and goes to memory: the
// floor for a receive path that touches each byte of a fresh frame.
double memcpyMs(size_t bytes)
{
    if (bytes == 0)
        return 0;
    const size_t spread = std::max<size_t>(4, (size_t{64} << 20) / bytes);
    std::vector<uint8_t> from(bytes * spread, 1), to(bytes * spread, 2);
    std::vector<double> times;
    for (size_t round = 0; round < std::min<size_t>(spread, 200); ++round) {
        const size_t at = round * bytes;
        const auto t0 = Clock::now();
        std::memcpy(to.data() + at, from.data() + at, bytes);
        times.push_back(msBetween(t0, Clock::now()));
    }
    volatile uint8_t sink = to[bytes / 2];
    (void)sink;
    return percentile(times, 0.5);
}

struct Taken {
    uint32_t counter;
    Clock::time_point when;
};

} // namespace

CaseResult runStreamCase(const CaseSpec &spec, camsim::SimCameraState &state,
                         camsim::SceneFrameSource &scene)
{
    CaseResult r;
    if (!state.selectResolution(spec.width, spec.height)) {
        r.failure = "the simulated camera does not offer this size";
        return r;
    }
    camsim::StreamSettings settings;
    settings.transport = spec.transport;
    settings.fps = spec.fps;
    scene.prepare(camsim::frameByteLimit(settings));
    r.quality = scene.quality();

    camsim::StreamServer server(spec.address, scene);
    const auto beforeSim = listThreads();
    if (!server.start(settings)) {
        r.failure = "cannot bind the simulator";
        return r;
    }
    const auto simTids = newThreads(beforeSim, listThreads());
    const auto beforeLib = listThreads();
    PreviewStream *stream = QV_StartPreview(spec.address.c_str());
    if (!stream) {
        r.failure = "QV_StartPreview failed";
        return r;
    }
    const auto libTids = newThreads(beforeLib, listThreads());
    r.libraryThreads = static_cast<int>(libTids.size());

    std::vector<uint8_t> buffer(QV_MAX_FRAME_BYTES);
    FrameInfo info{};
    // Warm up: wait for the first frame so connection set-up is not timed.
    const auto warmLimit = Clock::now() + std::chrono::seconds(10);
    while (QV_GetVideoFrame(stream, buffer.data(), &info) <= 0) {
        if (Clock::now() > warmLimit) {
            QV_StopPreview(stream);
            r.failure = "no frame arrived";
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    std::vector<double> libLast(libTids.size(), 0), simLast(simTids.size(), 0);
    const double lib0 = cpuOf(libTids, libLast);
    const double sim0 = cpuOf(simTids, simLast);
    const uint64_t sent0 = server.stats().counts().framesSent;

    std::vector<Taken> taken;
    std::vector<std::pair<Clock::time_point, Clock::time_point>> stalls;
    double bytes = 0;
    const auto frameTime = std::chrono::duration<double>(1.0 / spec.fps);
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(spec.seconds));
    auto lastPoll = start;
    while (true) {
        const auto pollAt = Clock::now();
        if (pollAt >= end)
            break;
        if (pollAt - lastPoll > 2 * frameTime)
            stalls.emplace_back(lastPoll, pollAt);
        lastPoll = pollAt;
        const int n = QV_GetVideoFrame(stream, buffer.data(), &info);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const auto when = Clock::now();
        uint32_t counter = 0;
        if (!camsim::readFrameTag(buffer.data(), static_cast<size_t>(n), counter)) {
            ++r.corrupt;
            continue;
        }
        taken.push_back({counter, when});
        bytes += n;
    }
    r.libraryCpuSeconds = cpuOf(libTids, libLast) - lib0;
    r.simulatorCpuSeconds = cpuOf(simTids, simLast) - sim0;
    r.sent = static_cast<long>(server.stats().counts().framesSent - sent0);
    QV_StopPreview(stream);
    server.stop();

    r.delivered = static_cast<long>(taken.size());
    r.meanFrameBytes = taken.empty() ? 0 : bytes / static_cast<double>(taken.size());
    std::vector<double> latencies;
    for (size_t i = 0; i < taken.size(); ++i) {
        Clock::time_point sentAt;
        if (server.stats().lastByteSent(taken[i].counter, sentAt))
            latencies.push_back(msBetween(sentAt, taken[i].when));
        if (i == 0 || taken[i].counter <= taken[i - 1].counter)
            continue;
        for (uint32_t c = taken[i - 1].counter + 1; c < taken[i].counter; ++c) {
            ++r.missing;
            Clock::time_point gone;
            if (!server.stats().lastByteSent(c, gone))
                continue;
            for (const auto &s : stalls) {
                if (gone >= s.first && gone <= s.second) {
                    ++r.missingInStalls;
                    break;
                }
            }
        }
    }
    r.latencyMedianMs = percentile(latencies, 0.5);
    r.latencyP99Ms = percentile(latencies, 0.99);
    r.memcpyMs = memcpyMs(static_cast<size_t>(r.meanFrameBytes));
    r.ran = true;
    return r;
}

} // namespace bench
