#ifndef CORVANE_TESTS_QVCTL_RUN_H
#define CORVANE_TESTS_QVCTL_RUN_H

// Runs the real qvctl executable (QVCTL_PATH, set by the build) and keeps
// what it printed, for the client's end-to-end tests.

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct QvctlRun {
    int status = -1;
    std::string output; // stdout and stderr together
};

inline QvctlRun qvctl(const std::string &arguments)
{
    QvctlRun run;
    const std::string command = std::string(QVCTL_PATH) + " " + arguments + " 2>&1";
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

#endif
