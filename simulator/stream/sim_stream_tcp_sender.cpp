// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_tcp_sender.h"

#include "stream/sim_stream_fault_injector.h"
#include "stream/sim_stream_frame_packer.h"
#include "stream/sim_stream_pacer.h"
#include "stream/sim_stream_sockets.h"
#include "stream/sim_stream_wire.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace camsim {

namespace {

constexpr size_t kGarbageRunBytes = 512;
constexpr auto kIdleWait = std::chrono::milliseconds(10);
constexpr auto kSendDeadline = std::chrono::seconds(1);

} // namespace

TcpStreamSender::TcpStreamSender(std::string address, FrameSource &source, StreamKnobs &knobs,
                                 StreamStats &stats)
    : address_(std::move(address)), source_(source), knobs_(knobs), stats_(stats)
{
}

TcpStreamSender::~TcpStreamSender() { stop(); }

bool TcpStreamSender::start(const StreamSettings &settings)
{
    stop();
    settings_ = settings;
    listener_ = listenTcpSocket(address_, kStreamTcpPort);
    if (listener_ < 0)
        return false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

void TcpStreamSender::stop()
{
    running_ = false;
    if (thread_.joinable())
        thread_.join();
    closeAll();
    closeQuietly(listener_);
}

void TcpStreamSender::closeAll()
{
    for (int &fd : clients_)
        closeQuietly(fd);
    clients_.clear();
    clientCount_ = 0;
}

void TcpStreamSender::acceptClients()
{
    while (listener_ >= 0) {
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            break;
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        int bytes = 4 << 20;
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
        clients_.push_back(fd);
    }
    clientCount_ = clients_.size();
}

void TcpStreamSender::dropClosedClients()
{
    // The camera ignores what clients send; reading only notices hang-ups.
    uint8_t sink[4096];
    for (int &fd : clients_) {
        while (fd >= 0) {
            const ssize_t n = recv(fd, sink, sizeof sink, MSG_DONTWAIT);
            if (n > 0)
                continue;
            if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                closeQuietly(fd);
            break;
        }
    }
    clients_.erase(std::remove(clients_.begin(), clients_.end(), -1), clients_.end());
    clientCount_ = clients_.size();
}

void TcpStreamSender::wait(Clock::duration limit)
{
    std::vector<pollfd> fds;
    if (listener_ >= 0)
        fds.push_back({listener_, POLLIN, 0});
    for (int fd : clients_)
        fds.push_back({fd, POLLIN, 0});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(limit).count();
    timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    ppoll(fds.data(), fds.size(), &ts, nullptr);
}

bool TcpStreamSender::sendAll(int fd, const std::vector<uint8_t> &bytes)
{
    const auto deadline = Clock::now() + kSendDeadline;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done,
                               MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (!running_ || Clock::now() >= deadline)
            return false;
        pollfd p{fd, POLLOUT, 0};
        poll(&p, 1, 10);
    }
    return true;
}

void TcpStreamSender::run()
{
    FramePacer pacer(settings_.fps);
    FaultInjector injector(settings_.seed);
    uint32_t counter = stats_.counts().lastCounter + 1;
    const size_t limit = frameByteLimit(settings_);

    while (running_) {
        const auto now = Clock::now();
        if (knobs_.paused()) {
            // The port goes first, so a client that sees its connection end
            // finds the camera gone rather than connecting again.
            closeQuietly(listener_);
            closeAll();
            wait(kIdleWait);
            continue;
        }
        if (listener_ < 0)
            listener_ = listenTcpSocket(address_, kStreamTcpPort);
        acceptClients();
        dropClosedClients();
        if (clients_.empty() || !pacer.due(now)) {
            wait(clients_.empty() ? Clock::duration(kIdleWait)
                                  : std::min<Clock::duration>(pacer.untilDue(now), kIdleWait));
            continue;
        }

        const StreamFaults faults = knobs_.faults();
        const SourceFrame frame = source_.frame(counter, limit);
        const std::vector<Datagram> units =
            injector.apply(packFrame(frame, settings_, faults, counter), faults, kGarbageRunBytes);
        for (const Datagram &unit : units) {
            for (int &fd : clients_) {
                if (fd >= 0 && !sendAll(fd, unit))
                    closeQuietly(fd);
            }
            stats_.countUnit(unit.size());
        }
        clients_.erase(std::remove(clients_.begin(), clients_.end(), -1), clients_.end());
        clientCount_ = clients_.size();
        stats_.frameDone(counter, Clock::now());
        stats_.setFaultCounters(injector.counters());
        ++counter;
        pacer.frameSent(now);
    }
}

} // namespace camsim
