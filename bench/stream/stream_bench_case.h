// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_STREAM_CASE_H
#define BENCH_STREAM_CASE_H

// One benchmark case: the simulator streams at a size and transport, the
// library receives through its public interface, and a consumer takes
// frames the way the application's worker does (poll; 5 ms sleep when the
// queue is empty).

#include "command/sim_camera_state.h"
#include "scene/sim_scene_frame_source.h"
#include "stream/sim_stream_settings.h"

#include <string>

namespace bench {

struct CaseSpec {
    camsim::StreamTransport transport = camsim::StreamTransport::Udp66;
    int width = 1920;
    int height = 1080;
    int fps = 30;
    double seconds = 20.0;
    std::string address = "127.70.0.1";
};

struct CaseResult {
    bool ran = false;
    std::string failure;
    int quality = 0;
    double meanFrameBytes = 0;
    long sent = 0;           // frames the simulator sent in the window
    long delivered = 0;      // frames the consumer took
    long missing = 0;        // counters never seen between the first and last taken
    long missingInStalls = 0; // of those, sent while the consumer had stalled > 2 frame times
    long corrupt = 0;        // taken frames without a readable frame tag
    double latencyMedianMs = 0;
    double latencyP99Ms = 0;
    int libraryThreads = 0;
    double libraryCpuSeconds = 0;
    double simulatorCpuSeconds = 0;
    double memcpyMs = 0; // one copy of a mean-sized frame
};

CaseResult runStreamCase(const CaseSpec &spec, camsim::SimCameraState &state,
                         camsim::SceneFrameSource &scene);

} // namespace bench

#endif
