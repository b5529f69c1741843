// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_SERVER_H
#define CAMSIM_STREAM_SERVER_H

// The simulated camera's video stream on one address: UDP 8030 (0x66 or
// type-3 packets) or TCP 7060 (boundary records), as chosen at start. The
// entry point for camsim, tests and benchmarks.
//
//   camsim::SimCameraState state;
//   camsim::SceneFrameSource scene(state);
//   camsim::StreamServer server("127.0.0.1", scene);
//   server.start(settings);          // binds; false if the port is taken
//   server.setFaults(...); server.setPaused(true); ...
//   server.stop();                   // joins the sender thread
//
// Thread rules: start() and stop() are called by the owner's thread; the
// server owns the sender (one thread) and joins it in stop() and in its
// destructor. setFaults(), setPaused(), stats() and the counts may be used
// from any thread while the stream runs. The frame source must outlive the
// server and is used only on the sender thread between start and stop.

#include "stream/sim_stream_frame_source.h"
#include "stream/sim_stream_knobs.h"
#include "stream/sim_stream_settings.h"
#include "stream/sim_stream_stats.h"
#include "stream/sim_stream_tcp_sender.h"
#include "stream/sim_stream_udp_sender.h"

#include <string>

namespace camsim {

class StreamServer {
public:
    StreamServer(std::string address, FrameSource &source);
    ~StreamServer();
    StreamServer(const StreamServer &) = delete;
    StreamServer &operator=(const StreamServer &) = delete;

    bool start(const StreamSettings &settings);
    void stop();

    void setFaults(const StreamFaults &faults) { knobs_.setFaults(faults); }
    void setPaused(bool paused) { knobs_.setPaused(paused); }
    bool paused() const { return knobs_.paused(); }

    const StreamStats &stats() const { return stats_; }
    // UDP subscribers plus TCP clients currently served.
    size_t receiverCount() const;

private:
    StreamKnobs knobs_;
    StreamStats stats_;
    UdpStreamSender udp_;
    TcpStreamSender tcp_;
};

} // namespace camsim

#endif
