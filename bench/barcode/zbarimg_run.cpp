// SPDX-License-Identifier: GPL-3.0-or-later

#include "zbarimg_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

extern char **environ;

namespace benchcodes {

ZbarimgResult runZbarimg(const std::string &pngPath)
{
    ZbarimgResult result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    // Its D-Bus complaints on every run would drown the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const char *argv[] = {"zbarimg", "--raw", "-q", pngPath.c_str(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "zbarimg", &actions, nullptr, const_cast<char **>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string output;
    if (spawned == 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0)
            output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (spawned != 0)
        return result;
    int status = 0;
    waitpid(pid, &status, 0);
    result.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // 0: codes found, 4: none found.
    result.ran = WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 4);
    std::size_t begin = 0;
    while (begin < output.size()) {
        std::size_t end = output.find('\n', begin);
        if (end == std::string::npos)
            end = output.size();
        if (end > begin)
            result.texts.push_back(output.substr(begin, end - begin));
        begin = end + 1;
    }
    return result;
}

} // namespace benchcodes
