// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_COMMAND_OPTIONS_H
#define CAMSIM_COMMAND_OPTIONS_H

// camsim's command-line options for the command side. Other sides of the
// simulator parse their own options; each parser takes what it knows.

#include "command/sim_command_side.h"

#include <string>

namespace camsim {

enum class OptionResult { Taken, NotMine, Invalid };

// Looks at argv[i] (and its value, advancing i); on Invalid, *message says why.
OptionResult takeCommandSideOption(int argc, char **argv, int &i, CommandSideOptions &options,
                                   std::string *message);

// Lines for camsim's usage text.
const char *commandSideUsage();

} // namespace camsim

#endif
