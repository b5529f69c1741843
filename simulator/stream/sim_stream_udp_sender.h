// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_UDP_SENDER_H
#define CAMSIM_STREAM_UDP_SENDER_H

// The camera's UDP stream on port 8030. Whoever sends the start datagram
// (code 1) becomes a subscriber and receives every frame as 0x66 or type-3
// datagrams; a start datagram every few hundred milliseconds keeps the
// subscription, the stop datagram (code 2) or keepAliveTimeoutMs of silence
// ends it. Frames are produced only while someone subscribes. While paused
// the camera is gone: nothing is sent, control datagrams are ignored and
// subscriptions are forgotten.
//
// Thread rules: start() and stop() belong to the owner (StreamServer), which
// also owns the one sender thread that start() creates and stop() joins.
// The frame source is used on the sender thread only; knobs and stats are
// thread-safe; subscriberCount() may be read from any thread.

#include "stream/sim_stream_frame_source.h"
#include "stream/sim_stream_knobs.h"
#include "stream/sim_stream_settings.h"
#include "stream/sim_stream_stats.h"

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace camsim {

class UdpStreamSender {
public:
    UdpStreamSender(std::string address, FrameSource &source, StreamKnobs &knobs,
                    StreamStats &stats);
    ~UdpStreamSender();
    UdpStreamSender(const UdpStreamSender &) = delete;
    UdpStreamSender &operator=(const UdpStreamSender &) = delete;

    // Binds address:8030 and starts the sender thread; false if the port
    // cannot be bound.
    bool start(const StreamSettings &settings);
    void stop();

    size_t subscriberCount() const { return subscriberCount_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Subscriber {
        sockaddr_in address;
        Clock::time_point lastHeard;
    };

    void run();
    void serveControl(Clock::time_point now, bool paused);
    void sendToAll(const std::vector<uint8_t> &datagram);

    const std::string address_;
    FrameSource &source_;
    StreamKnobs &knobs_;
    StreamStats &stats_;
    StreamSettings settings_;
    int socket_ = -1;
    std::vector<Subscriber> subscribers_; // sender thread only
    std::atomic<size_t> subscriberCount_{0};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

} // namespace camsim

#endif
