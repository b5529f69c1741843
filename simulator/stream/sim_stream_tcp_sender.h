// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_TCP_SENDER_H
#define CAMSIM_STREAM_TCP_SENDER_H

// The camera's TCP stream on port 7060: every connected client receives
// every frame as a boundary record. Frames are produced only while a client
// is connected. A client that cannot take a record within a second is
// dropped. While paused the camera is gone: clients are disconnected and
// the port is closed (connects are refused) until it resumes.
//
// Thread rules: start() and stop() belong to the owner (StreamServer), which
// also owns the one sender thread that start() creates and stop() joins.
// The frame source is used on the sender thread only; knobs and stats are
// thread-safe; clientCount() may be read from any thread.

#include "stream/sim_stream_frame_source.h"
#include "stream/sim_stream_knobs.h"
#include "stream/sim_stream_settings.h"
#include "stream/sim_stream_stats.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace camsim {

class TcpStreamSender {
public:
    TcpStreamSender(std::string address, FrameSource &source, StreamKnobs &knobs,
                    StreamStats &stats);
    ~TcpStreamSender();
    TcpStreamSender(const TcpStreamSender &) = delete;
    TcpStreamSender &operator=(const TcpStreamSender &) = delete;

    // Listens on address:7060 and starts the sender thread; false if the
    // port cannot be bound.
    bool start(const StreamSettings &settings);
    void stop();

    size_t clientCount() const { return clientCount_; }

private:
    using Clock = std::chrono::steady_clock;

    void run();
    void acceptClients();
    void dropClosedClients();
    void closeAll();
    void wait(Clock::duration limit);
    bool sendAll(int fd, const std::vector<uint8_t> &bytes);

    const std::string address_;
    FrameSource &source_;
    StreamKnobs &knobs_;
    StreamStats &stats_;
    StreamSettings settings_;
    int listener_ = -1;
    std::vector<int> clients_; // sender thread only
    std::atomic<size_t> clientCount_{0};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

} // namespace camsim

#endif
