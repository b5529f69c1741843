// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_x_server.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

PrivateXServer::PrivateXServer(int width, int height)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        problem_ = "no pipe for Xvfb";
        return;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const char *argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", screen.c_str(),
                          "-nolisten", "tcp", "-noreset", nullptr};
    pid_ = fork();
    if (pid_ == 0) {
        // The server ends with the test even when the test aborts (a
        // sanitizer report, a crash) before its destructor could run.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
        dup2(devNull, 1);
        dup2(devNull, 2);
        dup2(fds[1], 3); // the copy is inherited, the pipe's own ends are not
        execvp("Xvfb", const_cast<char *const *>(argv));
        _exit(errno == ENOENT ? 127 : 126);
    }
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        problem_ = "Xvfb could not be started: no process";
        return;
    }
    // Xvfb writes its display number once it accepts connections.
    std::string number;
    pollfd readable{fds[0], POLLIN, 0};
    char c;
    while (poll(&readable, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        problem_ = WIFEXITED(status) && WEXITSTATUS(status) == 127 ? "Xvfb is not installed (package xvfb)"
                                                                   : "Xvfb did not start";
        return;
    }
    if (const char *old = std::getenv("DISPLAY")) {
        hadDisplay_ = true;
        previousDisplay_ = old;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
}

PrivateXServer::~PrivateXServer()
{
    kill();
    if (hadDisplay_)
        setenv("DISPLAY", previousDisplay_.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

void PrivateXServer::kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    int status;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}
