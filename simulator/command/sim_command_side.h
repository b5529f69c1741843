// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_COMMAND_SIDE_H
#define CAMSIM_COMMAND_SIDE_H

// The simulated camera's command side in one piece: the command port with
// its fault script and the serial-channel echo, on one bind address. This is
// what tests start in-process and what camsim runs.
//
// Thread rules: start()/stop() from the owning thread only (they start and
// join the two responder threads); faults(), received() and the camera state
// may be used from any thread.

#include "command/sim_camera_state.h"
#include "command/sim_command_responder.h"
#include "command/sim_fault_script.h"
#include "command/sim_serial_echo.h"

namespace camsim {

struct CommandSideOptions {
    std::string bindAddress = "127.0.0.1";
    std::string otherAddress; // source of "other-address" replies
    bool verbose = false;
    std::vector<Fault> faults;
};

class SimCommandSide {
public:
    explicit SimCommandSide(SimCameraState &state);
    ~SimCommandSide();

    bool start(const CommandSideOptions &options);
    void stop();
    const std::string &error() const { return error_; }

    SimFaultScript &faults() { return faults_; }
    std::vector<SimRequest> received() const { return responder_.received(); }
    void clearReceived() { responder_.clearReceived(); }
    long serialEchoed() const { return serial_.echoed(); }

private:
    SimFaultScript faults_;
    SimCommandResponder responder_;
    SimSerialEcho serial_;
    std::string error_;
};

} // namespace camsim

#endif
