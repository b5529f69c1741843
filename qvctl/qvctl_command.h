// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QVCTL_COMMAND_H
#define QVCTL_COMMAND_H

// One qvctl subcommand: its name, what it takes, and the function that runs
// it. Adding a subcommand is adding one row to the table in
// qvctl_command_table.cpp.

#include "qvctl_invocation.h"

#include <vector>

namespace qvctl {

// Exit codes, distinct so scripts can tell the failures apart.
enum ExitCode {
    kExitOk = 0,
    kExitCameraFailed = 1, // no answer, or the camera refused
    kExitUsage = 2,        // unknown subcommand, missing option or argument
    kExitBadValue = 3,     // an argument the camera cannot take
    kExitFileFailed = 4    // an output file could not be written
};

enum class Needs { Nothing, Camera, Broadcast };

struct Command {
    const char *name;
    const char *arguments; // for the usage text
    const char *summary;
    Needs needs;
    size_t argumentCount;
    int (*run)(const Invocation &);
};

const std::vector<Command> &commandTable();

// The subcommands, one per row of the table.
int runDiscover(const Invocation &);
int runVersion(const Invocation &);
int runBattery(const Invocation &);
int runResolutions(const Invocation &);
int runSetResolution(const Invocation &);
int runAutofocus(const Invocation &);
int runRouterMode(const Invocation &);
int runAccessPointMode(const Invocation &);
int runReboot(const Invocation &);
int runRecord(const Invocation &);

} // namespace qvctl

#endif
