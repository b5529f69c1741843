// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_command_options.h"

namespace camsim {

OptionResult takeCommandSideOption(int argc, char **argv, int &i, CommandSideOptions &options,
                                   std::string *message)
{
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--bind" || arg == "--other-address" || arg == "--fault") {
        if (!hasValue) {
            *message = arg + " needs a value";
            return OptionResult::Invalid;
        }
        const std::string value = argv[++i];
        if (arg == "--bind") {
            options.bindAddress = value;
        } else if (arg == "--other-address") {
            options.otherAddress = value;
        } else {
            const auto fault = parseFaultSpec(value);
            if (!fault) {
                *message = "bad fault \"" + value + "\"";
                return OptionResult::Invalid;
            }
            options.faults.push_back(*fault);
        }
        return OptionResult::Taken;
    }
    if (arg == "--verbose") {
        options.verbose = true;
        return OptionResult::Taken;
    }
    return OptionResult::NotMine;
}

const char *commandSideUsage()
{
    return "  --bind ADDRESS          loopback address to play the camera on (default 127.0.0.1)\n"
           "  --verbose               print every request in a readable form\n"
           "  --other-address ADDR    second address that other-address faults reply from\n"
           "  --fault KIND[:CODE[:N]] misbehave on command CODE (decimal or 0x.., default any)\n"
           "                          for the next N requests (default always); KIND is one of\n"
           "                          no-reply wrong-code wrong-magic late-reply zero-count\n"
           "                          other-address\n";
}

} // namespace camsim
