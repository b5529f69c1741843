// SPDX-License-Identifier: GPL-3.0-or-later

#include "qvctl_invocation.h"

namespace qvctl {

bool parseInvocation(int argc, char **argv, Invocation &out, std::string *error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--camera" || arg == "--broadcast") {
            if (i + 1 >= argc) {
                *error = arg + " needs an address";
                return false;
            }
            (arg == "--camera" ? out.camera : out.broadcast) = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
            return false;
        } else if (out.command.empty()) {
            out.command = arg;
        } else {
            out.args.push_back(arg);
        }
    }
    return true;
}

} // namespace qvctl
