// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QVCTL_INVOCATION_H
#define QVCTL_INVOCATION_H

// What the user asked for: global options, the subcommand and its arguments.

#include <string>
#include <vector>

namespace qvctl {

struct Invocation {
    std::string camera;    // --camera ADDRESS
    std::string broadcast; // --broadcast ADDRESS
    bool help = false;
    std::string command;
    std::vector<std::string> args;
};

// Options may stand anywhere; the first other word is the subcommand. False,
// with *error set, for an unknown option or a missing value.
bool parseInvocation(int argc, char **argv, Invocation &out, std::string *error);

} // namespace qvctl

#endif
