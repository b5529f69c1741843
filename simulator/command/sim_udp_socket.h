// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_UDP_SOCKET_H
#define CAMSIM_UDP_SOCKET_H

// A bound UDP socket for the simulator's responder threads, with a receive
// that another thread can interrupt (so a responder stops at once instead of
// polling a flag on a time-out).
//
// Thread rules: receive() and sendTo() are called by the owning responder
// thread; interrupt() may be called from any thread, once the socket is open.

#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace camsim {

class SimUdpSocket {
public:
    SimUdpSocket() = default;
    ~SimUdpSocket();
    SimUdpSocket(const SimUdpSocket &) = delete;
    SimUdpSocket &operator=(const SimUdpSocket &) = delete;

    // Binds address:port (port 0 = any). False, with a message in error(),
    // when the address or port is unusable.
    bool open(const std::string &address, uint16_t port);
    const std::string &error() const { return error_; }

    // One datagram (at most capacity bytes; longer ones are cut). Returns
    // the byte count, kInterrupted once interrupt() was called, or
    // kReceiveFailed for a failed receive worth retrying.
    static constexpr long kInterrupted = -1;
    static constexpr long kReceiveFailed = -2;
    long receive(uint8_t *buffer, size_t capacity, sockaddr_in *from);
    bool sendTo(const uint8_t *bytes, size_t length, const sockaddr_in &to);
    void interrupt();

private:
    int fd_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::string error_;
};

std::string describeAddress(const sockaddr_in &address);

} // namespace camsim

#endif
