// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/udp_receiver.h"

#include "stream/datagram_batch_reader.h"
#include "stream/frame_delivery.h"
#include "stream/udp_frame_assembler.h"
#include "transport/udp_link.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace qv {

namespace {

constexpr int kDatagramCapacity = 3151;
constexpr int kEmptyPassPauseMs = 10;
constexpr int kReopenPauseMs = 1000;

void sendControl(UdpLink *link, uint16_t code)
{
    uint8_t datagram[24] = {};
    datagram[0] = 0x99;
    datagram[1] = 0x99;
    datagram[2] = static_cast<uint8_t>(code & 0xFF);
    datagram[3] = static_cast<uint8_t>(code >> 8);
    linkSend(link, datagram, sizeof datagram);
}

} // namespace

UdpReceiver::UdpReceiver(std::string ip, const PreviewOptions &options, StreamFields &fields,
                         FrameSink &sink, StopSignal &stop)
    : ip_(std::move(ip)), options_(options), fields_(fields), sink_(sink), stop_(stop)
{
}

UdpReceiver::~UdpReceiver() { join(); }

void UdpReceiver::start() { thread_ = std::thread(&UdpReceiver::run, this); }

void UdpReceiver::join()
{
    if (thread_.joinable())
        thread_.join();
}

void UdpReceiver::run()
{
    // Opening only fails when the system is out of sockets; keep trying
    // while the stream runs rather than leave it deaf for good.
    UdpLink *link = nullptr;
    while (!stop_.raised()) {
        link = openUdpLink(ip_.c_str(), options_.udpPort, options_.udpReceiveTimeoutMs);
        if (link)
            break;
        stop_.waitFor(kReopenPauseMs);
    }
    if (!link)
        return;
    try {
        receiveLoop(link);
    } catch (const std::bad_alloc &) {
        std::printf("QV: %d: it fails to malloc! \n", 712);
    }
    sendControl(link, 2);
    std::printf("stop udp thread.\n");
    closeUdpLink(link);
}

void UdpReceiver::receiveLoop(UdpLink *link)
{
    UdpFrameAssembler assembler(sink_);
    DatagramBatchReader reader(link, kDatagramCapacity);
    const sockaddr_in camera = link->peer;
    sockaddr_in endpoint = camera; // where the camera streams from
    uint64_t lastStart = steadyMilliseconds();
    int emptyPasses = 0;

    while (!stop_.raised()) {
        uint64_t now = steadyMilliseconds();
        if (now - lastStart > static_cast<uint64_t>(options_.keepAliveIntervalMs)) {
            sendControl(link, 1);
            lastStart = now;
        }
        const uint8_t *datagram = nullptr;
        int n = reader.next(datagram);
        if (n > 0 && link->peer.sin_addr.s_addr != camera.sin_addr.s_addr) {
            link->peer = endpoint;
            continue;
        }
        if (n <= 0) {
            link->peer = endpoint; // a truncated datagram also names its sender
            stop_.waitFor(kEmptyPassPauseMs);
            if (++emptyPasses > options_.silentPassesBeforeDisconnect)
                fields_.udpConnected.store(false, std::memory_order_relaxed);
            continue;
        }
        endpoint = link->peer;
        fields_.udpConnected.store(true, std::memory_order_relaxed);
        emptyPasses = 0;
        assembler.feed(datagram, static_cast<size_t>(n));
    }
}

} // namespace qv
