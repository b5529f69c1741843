// SPDX-License-Identifier: GPL-3.0-or-later

// Stream benchmark: simulator and library in one process over loopback.
//
//   bench_stream [--seconds S] [--transport udp66|udp3|udp3-plain|tcp]... [--size WxH]...
//
// Default: udp66, udp3 and tcp at 1920x1080 and 3840x2880, 30 frames/s,
// 20 s each. Prints one table row per case.

#include "stream_bench_case.h"

#include <opencv2/core.hpp>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    double seconds = 20;
    std::vector<camsim::StreamTransport> transports;
    std::vector<std::pair<int, int>> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        camsim::StreamTransport t;
        int w = 0, h = 0;
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (arg == "--transport" && i + 1 < argc && camsim::parseTransport(argv[i + 1], t)) {
            transports.push_back(t);
            ++i;
        } else if (arg == "--size" && i + 1 < argc && std::sscanf(argv[i + 1], "%dx%d", &w, &h) == 2) {
            sizes.emplace_back(w, h);
            ++i;
        } else {
            std::fprintf(stderr,
                         "usage: bench_stream [--seconds S] [--transport T]... [--size WxH]...\n");
            return 2;
        }
    }
    if (transports.empty())
        transports = {camsim::StreamTransport::Udp66, camsim::StreamTransport::Udp3,
                      camsim::StreamTransport::Tcp};
    if (sizes.empty())
        sizes = {{1920, 1080}, {3840, 2880}};

    // The scene's OpenCV calls stay on the simulator's sender thread, so no
    // pool threads appear that could be taken for the library's.
    cv::setNumThreads(0);

    camsim::SimCameraState state;
    camsim::SceneFrameSource scene(state);
    std::printf("stream benchmark: 30 frames/s, %.0f s per case, consumer polls with 5 ms sleeps\n\n",
                seconds);
    std::printf("%-10s %-9s %3s %8s %6s %6s %5s %5s %5s %7s %7s %3s %8s %8s %7s %8s\n", "transport",
                "size", "q", "KB/frame", "sent", "taken", "lost", "stall", "bad", "lat50ms",
                "lat99ms", "thr", "libCPUms", "memcpyms", "x_memcpy", "simCPUms");
    for (const auto &size : sizes) {
        for (camsim::StreamTransport t : transports) {
            bench::CaseSpec spec;
            spec.transport = t;
            spec.width = size.first;
            spec.height = size.second;
            spec.seconds = seconds;
            const bench::CaseResult r = bench::runStreamCase(spec, state, scene);
            char sizeText[16];
            std::snprintf(sizeText, sizeof sizeText, "%dx%d", size.first, size.second);
            if (!r.ran) {
                std::printf("%-10s %-9s  failed: %s\n", camsim::transportName(t), sizeText,
                            r.failure.c_str());
                continue;
            }
            const double perFrame = r.delivered ? r.libraryCpuSeconds * 1000 / r.delivered : 0;
            const double simPerFrame = r.sent ? r.simulatorCpuSeconds * 1000 / r.sent : 0;
            std::printf("%-10s %-9s %3d %8.0f %6ld %6ld %5ld %5ld %5ld %7.2f %7.2f %3d %8.3f %8.3f %7.1f %8.2f\n",
                        camsim::transportName(t), sizeText, r.quality, r.meanFrameBytes / 1024,
                        r.sent, r.delivered, r.missing - r.missingInStalls, r.missingInStalls,
                        r.corrupt, r.latencyMedianMs, r.latencyP99Ms, r.libraryThreads, perFrame,
                        r.memcpyMs, r.memcpyMs > 0 ? perFrame / r.memcpyMs : 0, simPerFrame);
            std::fflush(stdout);
        }
    }
    std::printf("\nlost: frames never taken while the consumer kept up (reassembly losses);\n"
                "stall: frames never taken that were sent while the consumer had stalled for\n"
                "more than two frame times (the latency flush may have dropped them);\n"
                "bad: taken frames without a readable frame tag; lat: last byte sent to\n"
                "QV_GetVideoFrame returning; libCPUms: CPU of the library's threads per taken\n"
                "frame; x_memcpy: that over one memcpy of a mean frame.\n");
    return 0;
}
