// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTS_COMMANDS_SIM_CAMERA_H
#define TESTS_COMMANDS_SIM_CAMERA_H

// An in-process simulated camera on one loopback address for the command
// tests. Every test uses its own address (127.21.<test>.1) because ctest
// runs tests side by side and the camera's ports are fixed.

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"

#include <string>
#include <vector>

class SimCamera {
public:
    explicit SimCamera(const std::string &address, const std::string &otherAddress = "")
        : address_(address), side_(state)
    {
        camsim::CommandSideOptions options;
        options.bindAddress = address;
        options.otherAddress = otherAddress;
        started_ = side_.start(options);
    }

    bool started() const { return started_; }
    std::string error() const { return side_.error(); }
    const char *ip() const { return address_.c_str(); }

    void fault(camsim::FaultKind kind, int code, int count = camsim::kForever)
    {
        side_.faults().add({code, kind, count});
    }
    void clearFaults() { side_.faults().clear(); }
    std::vector<camsim::SimRequest> requests() const { return side_.received(); }
    void clearRequests() { side_.clearReceived(); }

    camsim::SimCameraState state;

private:
    std::string address_;
    camsim::SimCommandSide side_;
    bool started_ = false;
};

#endif
