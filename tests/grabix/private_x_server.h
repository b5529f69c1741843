// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_TEST_PRIVATE_X_SERVER_H
#define GRABIX_TEST_PRIVATE_X_SERVER_H

// An Xvfb of the test's own, so recordings never read the desktop of the
// person running the tests and every run sees the same empty screen. Xvfb
// picks a free display number itself (-displayfd); DISPLAY points at it
// while the object lives.

#include <string>
#include <sys/types.h>

class PrivateXServer {
public:
    explicit PrivateXServer(int width = 1280, int height = 720);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer &) = delete;
    PrivateXServer &operator=(const PrivateXServer &) = delete;

    bool running() const { return pid_ > 0; }
    // Why the server is not running (for GTEST_SKIP).
    const std::string &problem() const { return problem_; }

    // Ends the server at once, as a crash or logout would.
    void kill();

private:
    pid_t pid_ = -1;
    std::string problem_;
    std::string previousDisplay_;
    bool hadDisplay_ = false;
};

#endif
