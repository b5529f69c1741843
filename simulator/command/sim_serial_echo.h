// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SERIAL_ECHO_H
#define CAMSIM_SERIAL_ECHO_H

// The camera's serial bridge, simulated as an echo: every datagram that
// arrives on UDP port 52100 goes back to its sender unchanged.
//
// Thread rules: start() and stop() belong to the owner (one thread); the echo
// thread is started by start() and joined by stop() or the destructor.
// echoed() may be called from any thread.

#include "command/sim_udp_socket.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace camsim {

class SimSerialEcho {
public:
    SimSerialEcho() = default;
    ~SimSerialEcho();
    SimSerialEcho(const SimSerialEcho &) = delete;
    SimSerialEcho &operator=(const SimSerialEcho &) = delete;

    bool start(const std::string &bindAddress, uint16_t port = 52100, bool verbose = false);
    void stop();
    const std::string &error() const { return error_; }
    long echoed() const { return echoed_; }

private:
    void run();

    std::unique_ptr<SimUdpSocket> socket_;
    std::thread thread_;
    std::string error_;
    bool verbose_ = false;
    std::atomic<long> echoed_{0};
};

} // namespace camsim

#endif
