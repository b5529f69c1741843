// SPDX-License-Identifier: GPL-3.0-or-later

#include "thread_cpu.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace bench {

std::vector<pid_t> listThreads()
{
    std::vector<pid_t> tids;
    if (DIR *dir = opendir("/proc/self/task")) {
        while (dirent *e = readdir(dir)) {
            if (e->d_name[0] >= '0' && e->d_name[0] <= '9')
                tids.push_back(static_cast<pid_t>(std::atoi(e->d_name)));
        }
        closedir(dir);
    }
    std::sort(tids.begin(), tids.end());
    return tids;
}

std::vector<pid_t> newThreads(const std::vector<pid_t> &before, const std::vector<pid_t> &after)
{
    std::vector<pid_t> fresh;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(fresh));
    return fresh;
}

double threadCpuSeconds(pid_t tid)
{
    // Linux names another thread's CPU clock by its id: the per-thread,
    // scheduler-accounted clock (nanosecond resolution, unlike /proc stat).
    const clockid_t clock = static_cast<clockid_t>((~static_cast<unsigned>(tid) << 3) | 6u);
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0)
        return -1.0;
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace bench
