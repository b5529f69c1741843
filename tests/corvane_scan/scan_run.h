// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TESTS_SCAN_RUN_H
#define CORVANE_TESTS_SCAN_RUN_H

// Runs the real corvane-scan (SCAN_PATH, set by the build) with arguments
// passed as they are (no shell), keeping stdout and stderr apart.

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ScanRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readWhole(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The lines of an output, without their line ends.
inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

inline ScanRun runScan(const std::vector<std::string> &arguments, const std::string &scratch)
{
    ScanRun run;
    const std::string outPath = scratch + "/.stdout", errPath = scratch + "/.stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all = {SCAN_PATH};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, SCAN_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        int raw = 0;
        waitpid(pid, &raw, 0);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = readWhole(outPath);
    run.err = readWhole(errPath);
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return run;
}

#endif
