// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_command_side.h"

namespace camsim {

SimCommandSide::SimCommandSide(SimCameraState &state) : responder_(state, faults_) {}

SimCommandSide::~SimCommandSide() { stop(); }

bool SimCommandSide::start(const CommandSideOptions &options)
{
    stop();
    for (const Fault &f : options.faults)
        faults_.add(f);
    ResponderConfig config;
    config.bindAddress = options.bindAddress;
    config.otherAddress = options.otherAddress;
    config.verbose = options.verbose;
    if (!responder_.start(config)) {
        error_ = "command port: " + responder_.error();
        return false;
    }
    if (!serial_.start(options.bindAddress, 52100, options.verbose)) {
        error_ = "serial port: " + serial_.error();
        responder_.stop();
        return false;
    }
    return true;
}

void SimCommandSide::stop()
{
    serial_.stop();
    responder_.stop();
}

} // namespace camsim
