// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan: finds sheets of paper, reads bar codes and reads the text in
// pictures from a terminal.
//
//   corvane-scan detect photos/*.jpg
//   corvane-scan detect --deskew scans/ photos/*.jpg
//   corvane-scan codes photos/*.jpg
//   corvane-scan ocr --language chi_sim photos/*.jpg

#include "scan_command.h"

#include <opencv2/core/utils/logger.hpp>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void usage(std::FILE *to)
{
    std::fprintf(to, "usage: corvane-scan COMMAND [OPTIONS] FILE...\n"
                     "       corvane-scan COMMAND --help\n"
                     "commands:\n");
    for (const scan::Command &c : scan::commandTable())
        std::fprintf(to, "  %s %s\n      %s\n", c.name, c.synopsis, c.summary);
    std::fprintf(to, "exit codes: 0 every file read and every output written, 1 a file could not\n"
                     "be read or an output not written (the others are still done), 2 usage\n");
}

const scan::Command *findCommand(const char *name)
{
    for (const scan::Command &c : scan::commandTable())
        if (!std::strcmp(name, c.name))
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    // OpenCV's own warnings about files it cannot decode would repeat ours.
    cv::utils::logging::setLogLevel(cv::utils::logging::LOG_LEVEL_ERROR);

    if (argc < 2) {
        usage(stderr);
        return scan::kExitUsage;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        usage(stdout);
        return scan::kExitOk;
    }
    const scan::Command *command = findCommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "corvane-scan: unknown command \"%s\"\n", argv[1]);
        usage(stderr);
        return scan::kExitUsage;
    }
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const std::string &a : arguments) {
        if (a == "--")
            break;
        if (a == "--help" || a == "-h") {
            command->help(stdout);
            return scan::kExitOk;
        }
    }
    const int status = command->run(arguments);
    std::fflush(stdout);
    return status;
}
