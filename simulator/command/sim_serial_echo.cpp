// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_serial_echo.h"

#include <cstdio>
#include <vector>

namespace camsim {

SimSerialEcho::~SimSerialEcho() { stop(); }

bool SimSerialEcho::start(const std::string &bindAddress, uint16_t port, bool verbose)
{
    stop();
    verbose_ = verbose;
    socket_ = std::make_unique<SimUdpSocket>();
    if (!socket_->open(bindAddress, port)) {
        error_ = socket_->error();
        socket_.reset();
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimSerialEcho::stop()
{
    if (thread_.joinable()) {
        socket_->interrupt();
        thread_.join();
    }
    socket_.reset();
}

void SimSerialEcho::run()
{
    std::vector<uint8_t> buffer(65536);
    for (;;) {
        sockaddr_in from{};
        const long n = socket_->receive(buffer.data(), buffer.size(), &from);
        if (n == SimUdpSocket::kInterrupted)
            return;
        if (n < 0)
            continue;
        if (verbose_) {
            std::printf("camsim: serial %ld bytes from %s\n", n, describeAddress(from).c_str());
            std::fflush(stdout);
        }
        socket_->sendTo(buffer.data(), static_cast<size_t>(n), from);
        ++echoed_;
    }
}

} // namespace camsim
