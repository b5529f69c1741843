// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_REQUEST_TEXT_H
#define CAMSIM_REQUEST_TEXT_H

// A one-line readable form of a command request for --verbose, e.g.
//   SETCMD seq=7 set-resolution (0x0008) 1920x1080@30 from 127.0.0.1:40211

#include "command/sim_command_codec.h"

#include <string>

namespace camsim {

std::string describeRequest(const SimRequest &request);

// The command's name in the simulator's vocabulary, or "code".
const char *commandName(Family family, uint16_t code);

} // namespace camsim

#endif
