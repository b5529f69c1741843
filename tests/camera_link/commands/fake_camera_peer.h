// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTS_COMMANDS_FAKE_CAMERA_PEER_H
#define TESTS_COMMANDS_FAKE_CAMERA_PEER_H

// A stand-in camera that answers the n-th request with whatever bytes the
// test scripts, for replies no well-behaved camera would send.
//
// Thread rules: the constructor starts the answering thread, the destructor
// joins it; the script is fixed before the thread starts; requestCount() may
// be read from the test's thread.

#include "command/sim_udp_socket.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class FakeCameraPeer {
public:
    using Bytes = std::vector<uint8_t>;
    // Replies for the request with this index (0-based); empty = silence.
    using Script = std::function<std::vector<Bytes>(const Bytes &request, int index)>;

    FakeCameraPeer(const std::string &address, Script script) : script_(std::move(script))
    {
        started_ = socket_.open(address, 50000);
        if (started_)
            thread_ = std::thread([this] { run(); });
    }
    ~FakeCameraPeer()
    {
        if (thread_.joinable()) {
            socket_.interrupt();
            thread_.join();
        }
    }

    bool started() const { return started_; }
    std::string error() const { return socket_.error(); }
    int requestCount() const { return count_; }

private:
    void run()
    {
        std::vector<uint8_t> buffer(65536);
        for (;;) {
            sockaddr_in from{};
            const long n = socket_.receive(buffer.data(), buffer.size(), &from);
            if (n == camsim::SimUdpSocket::kInterrupted)
                return;
            if (n < 0)
                continue;
            const Bytes request(buffer.begin(), buffer.begin() + n);
            // Counted before answering: a caller that has its answer sees it.
            const int index = count_++;
            for (const Bytes &reply : script_(request, index))
                socket_.sendTo(reply.data(), reply.size(), from);
        }
    }

    Script script_;
    camsim::SimUdpSocket socket_;
    bool started_ = false;
    std::atomic<int> count_{0};
    std::thread thread_;
};

#endif
