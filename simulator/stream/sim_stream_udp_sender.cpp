// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_udp_sender.h"

#include "stream/sim_stream_control.h"
#include "stream/sim_stream_fault_injector.h"
#include "stream/sim_stream_frame_packer.h"
#include "stream/sim_stream_pacer.h"
#include "stream/sim_stream_sockets.h"
#include "stream/sim_stream_wire.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <ctime>

namespace camsim {

namespace {

constexpr size_t kLargestDatagram = 3151; // what a receiver reads at most
constexpr auto kIdleWait = std::chrono::milliseconds(10);

bool sameAddress(const sockaddr_in &a, const sockaddr_in &b)
{
    return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

void waitReadable(int fd, std::chrono::steady_clock::duration limit)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(limit).count();
    timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    pollfd p{fd, POLLIN, 0};
    ppoll(&p, 1, &ts, nullptr);
}

} // namespace

UdpStreamSender::UdpStreamSender(std::string address, FrameSource &source, StreamKnobs &knobs,
                                 StreamStats &stats)
    : address_(std::move(address)), source_(source), knobs_(knobs), stats_(stats)
{
}

UdpStreamSender::~UdpStreamSender() { stop(); }

bool UdpStreamSender::start(const StreamSettings &settings)
{
    stop();
    settings_ = settings;
    socket_ = bindUdpSocket(address_, kStreamUdpPort);
    if (socket_ < 0)
        return false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

void UdpStreamSender::stop()
{
    running_ = false;
    if (thread_.joinable())
        thread_.join();
    closeQuietly(socket_);
    subscribers_.clear();
    subscriberCount_ = 0;
}

void UdpStreamSender::serveControl(Clock::time_point now, bool paused)
{
    uint8_t buffer[64];
    while (true) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = recvfrom(socket_, buffer, sizeof buffer, MSG_DONTWAIT,
                                   reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (n < 0)
            break;
        if (paused)
            continue;
        const StreamControl control = parseStreamControl(buffer, static_cast<size_t>(n));
        auto known = std::find_if(subscribers_.begin(), subscribers_.end(),
                                  [&](const Subscriber &s) { return sameAddress(s.address, from); });
        if (control == StreamControl::Start) {
            if (known == subscribers_.end())
                subscribers_.push_back({from, now});
            else
                known->lastHeard = now;
        } else if (control == StreamControl::Stop && known != subscribers_.end()) {
            subscribers_.erase(known);
        }
    }
    const auto timeout = std::chrono::milliseconds(settings_.keepAliveTimeoutMs);
    subscribers_.erase(std::remove_if(subscribers_.begin(), subscribers_.end(),
                                      [&](const Subscriber &s) {
                                          return paused || now - s.lastHeard > timeout;
                                      }),
                       subscribers_.end());
    subscriberCount_ = subscribers_.size();
}

void UdpStreamSender::sendToAll(const std::vector<uint8_t> &datagram)
{
    for (const Subscriber &s : subscribers_) {
        // Sends on loopback do not block; a full receiver drops the datagram
        // as a radio link would.
        sendto(socket_, datagram.data(), datagram.size(), MSG_DONTWAIT,
               reinterpret_cast<const sockaddr *>(&s.address), sizeof s.address);
    }
    stats_.countUnit(datagram.size());
}

void UdpStreamSender::run()
{
    FramePacer pacer(settings_.fps);
    FaultInjector injector(settings_.seed);
    uint32_t counter = stats_.counts().lastCounter + 1;
    const size_t limit = frameByteLimit(settings_);
    const int burst = std::max(1, settings_.burstPackets);

    while (running_) {
        const auto now = Clock::now();
        const bool paused = knobs_.paused();
        serveControl(now, paused);
        if (paused || subscribers_.empty() || !pacer.due(now)) {
            waitReadable(socket_, subscribers_.empty() || paused
                                      ? Clock::duration(kIdleWait)
                                      : std::min<Clock::duration>(pacer.untilDue(now), kIdleWait));
            continue;
        }

        const StreamFaults faults = knobs_.faults();
        const SourceFrame frame = source_.frame(counter, limit);
        const std::vector<Datagram> units =
            injector.apply(packFrame(frame, settings_, faults, counter), faults, kLargestDatagram);
        for (size_t i = 0; i < units.size(); ++i) {
            if (i > 0 && i % static_cast<size_t>(burst) == 0 && settings_.burstGapMicros > 0)
                std::this_thread::sleep_for(std::chrono::microseconds(settings_.burstGapMicros));
            sendToAll(units[i]);
        }
        stats_.frameDone(counter, Clock::now());
        stats_.setFaultCounters(injector.counters());
        ++counter;
        pacer.frameSent(now);
    }
}

} // namespace camsim
