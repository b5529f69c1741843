// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_COMMAND_RESPONDER_H
#define CAMSIM_COMMAND_RESPONDER_H

// Plays the camera's command port: receives requests on UDP port 50000 of
// the bind address, records them, answers them through SimCommandHandler and
// bends the answers as the fault script says.
//
// Thread rules: start() and stop() belong to the owner, which must call them
// from one thread; the responder thread is started by start() and joined by
// stop() (or the destructor). received()/clearReceived() may be called from
// any thread. The camera state and the fault script lock themselves.

#include "command/sim_command_handler.h"
#include "command/sim_fault_script.h"
#include "command/sim_udp_socket.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace camsim {

struct ResponderConfig {
    std::string bindAddress = "127.0.0.1";
    uint16_t port = 50000;
    // Where "other-address" replies come from; empty = that fault swallows.
    std::string otherAddress;
    bool verbose = false;
};

class SimCommandResponder {
public:
    SimCommandResponder(SimCameraState &state, SimFaultScript &faults);
    ~SimCommandResponder();
    SimCommandResponder(const SimCommandResponder &) = delete;
    SimCommandResponder &operator=(const SimCommandResponder &) = delete;

    bool start(const ResponderConfig &config);
    void stop();
    const std::string &error() const { return error_; }

    // Every request received so far, oldest first (at most the last 4096).
    std::vector<SimRequest> received() const;
    void clearReceived();

private:
    void run();
    void respond(SimRequest &request, const sockaddr_in &from);
    void record(const SimRequest &request);

    SimFaultScript &faults_;
    SimCommandHandler handler_;
    ResponderConfig config_;
    std::string error_;

    std::unique_ptr<SimUdpSocket> socket_;
    std::unique_ptr<SimUdpSocket> otherSocket_;
    std::thread thread_;

    // Touched by the responder thread only.
    struct HeldReply {
        Bytes bytes;
        sockaddr_in to;
    };
    std::vector<HeldReply> held_;

    mutable std::mutex receivedMutex_;
    std::vector<SimRequest> received_;
};

} // namespace camsim

#endif
