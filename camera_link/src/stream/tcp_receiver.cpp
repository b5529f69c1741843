// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/tcp_receiver.h"

#include "stream/boundary_parser.h"
#include "stream/record_decoder.h"
#include "transport/stream_socket.h"

#include <cstdio>
#include <new>
#include <vector>

namespace qv {

namespace {
constexpr int kChunkBytes = 0x8000;
constexpr int kAfterConnectMs = 100;
constexpr int kAfterFailedConnectMs = 1000;
constexpr int kAfterDropMs = 100;
constexpr int kAfterReceiveFailureMs = 1;
constexpr int kShutdownBoth = 2; // SHUT_RDWR and SD_BOTH alike
} // namespace

TcpReceiver::TcpReceiver(std::string ip, const PreviewOptions &options, StreamFields &fields,
                         FrameSink &sink, StopSignal &stop)
    : ip_(std::move(ip)), options_(options), fields_(fields), sink_(sink), stop_(stop)
{
}

TcpReceiver::~TcpReceiver() { join(); }

void TcpReceiver::start() { thread_ = std::thread(&TcpReceiver::run, this); }

void TcpReceiver::join()
{
    if (thread_.joinable())
        thread_.join();
}

void TcpReceiver::wakeUp()
{
    std::lock_guard<std::mutex> guard(socketLock_);
    if (socket_ != kInvalidSocket)
        ::shutdown(socket_, kShutdownBoth);
}

bool TcpReceiver::adoptSocket(NativeSocket s)
{
    std::lock_guard<std::mutex> guard(socketLock_);
    // Stop may have looked for a socket to shut down just before this one
    // existed: then it must not be used at all.
    if (stop_.raised()) {
        closeSocket(s);
        socketLayerRelease();
        return false;
    }
    socket_ = s;
    return true;
}

void TcpReceiver::closeOwnSocket()
{
    std::lock_guard<std::mutex> guard(socketLock_);
    if (socket_ == kInvalidSocket)
        return;
    closeSocket(socket_);
    socketLayerRelease();
    socket_ = kInvalidSocket;
}

void TcpReceiver::run()
{
    try {
        receiveLoop();
    } catch (const std::bad_alloc &) {
        std::printf("QV: %d: it fails to malloc! \n", 713);
    }
    closeOwnSocket();
}

void TcpReceiver::receiveLoop()
{
    RecordDecoder decoder(sink_);
    BoundaryParser parser([&decoder](uint8_t *record, size_t length) { decoder.decode(record, length); });
    std::vector<uint8_t> chunk(kChunkBytes);
    bool haveSocket = false;

    while (!stop_.raised()) {
        if (!haveSocket) {
            NativeSocket s = connectStreamSocket(ip_.c_str(), options_.tcpPort,
                                                options_.tcpReceiveTimeoutMs);
            if (s != kInvalidSocket && !adoptSocket(s))
                return;
            haveSocket = s != kInvalidSocket;
            stop_.waitFor(haveSocket ? kAfterConnectMs : kAfterFailedConnectMs);
            continue;
        }
        // Only this thread changes socket_, so reading it unlocked is safe.
        auto n = ::recv(socket_, reinterpret_cast<char *>(chunk.data()), kChunkBytes, 0);
        if (n > 0) {
            fields_.tcpConnected.store(true, std::memory_order_relaxed);
            parser.feed(chunk.data(), static_cast<size_t>(n));
            continue;
        }
        // The socket blocks with a receive time-out, so a receive that
        // "would block" has in fact timed out; that too drops the connection.
        // A camera that restarted never tells the old connection, and only a
        // fresh connect gets its stream back.
        closeOwnSocket();
        haveSocket = false;
        stop_.waitFor(kAfterDropMs);
        fields_.tcpConnected.store(false, std::memory_order_relaxed);
        stop_.waitFor(kAfterReceiveFailureMs);
    }
}

} // namespace qv
