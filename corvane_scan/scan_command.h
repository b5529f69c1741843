// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCAN_COMMAND_H
#define CORVANE_SCAN_COMMAND_H

// One corvane-scan subcommand: its name, its usage line and summary, and the
// function that runs it with the arguments after the name. Adding a
// subcommand (bar codes, text recognition) is one file with its run
// function and one row in scan_command_table.cpp.

#include <cstdio>
#include <string>
#include <vector>

namespace scan {

// Exit codes shared by every subcommand.
enum ExitCode {
    kExitOk = 0,        // every file was read (and every output written)
    kExitFileFailed = 1, // some file could not be read, or an output not written
    kExitUsage = 2       // unknown subcommand or option, missing argument
};

struct Command {
    const char *name;
    const char *synopsis; // options and arguments, for the usage text
    const char *summary;
    int (*run)(const std::vector<std::string> &arguments);
    void (*help)(std::FILE *to); // the subcommand's own help
};

const std::vector<Command> &commandTable();

int runDetect(const std::vector<std::string> &arguments);
void helpDetect(std::FILE *to);
int runOcr(const std::vector<std::string> &arguments);
void helpOcr(std::FILE *to);

int runCodes(const std::vector<std::string> &arguments);
void helpCodes(std::FILE *to);

} // namespace scan

#endif
