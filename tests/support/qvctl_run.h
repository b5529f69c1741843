// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TESTS_QVCTL_RUN_H
#define CORVANE_TESTS_QVCTL_RUN_H

// Runs the real qvctl executable (QVCTL_PATH, set by the build) and keeps
// what it printed, for the client's end-to-end tests.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct QvctlRun {
    int status = -1;
    std::string output; // stdout and stderr together, or stdout alone (qvctlSeparated)
    std::string errors; // stderr (qvctlSeparated only)
};

inline QvctlRun runShell(const std::string &command)
{
    QvctlRun run;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char chunk[512];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.output.append(chunk, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

inline QvctlRun qvctl(const std::string &arguments)
{
    return runShell(std::string(QVCTL_PATH) + " " + arguments + " 2>&1");
}

// Standard output and standard error apart, as a script sees them.
inline QvctlRun qvctlSeparated(const std::string &arguments)
{
    char errorFile[] = "/tmp/qvctl-stderr-XXXXXX";
    const int fd = mkstemp(errorFile);
    if (fd < 0)
        return QvctlRun();
    close(fd);
    QvctlRun run = runShell(std::string(QVCTL_PATH) + " " + arguments + " 2>" + errorFile);
    std::ifstream in(errorFile);
    std::stringstream text;
    text << in.rdbuf();
    run.errors = text.str();
    std::remove(errorFile);
    return run;
}

#endif
