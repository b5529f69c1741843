// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_STREAM_THREAD_CPU_H
#define BENCH_STREAM_THREAD_CPU_H

// CPU time of individual threads of this process, found by listing
// /proc/self/task before and after something starts threads.

#include <sys/types.h>

#include <vector>

namespace bench {

std::vector<pid_t> listThreads();

// Threads in after that are not in before.
std::vector<pid_t> newThreads(const std::vector<pid_t> &before, const std::vector<pid_t> &after);

// Seconds of CPU (user + system) the thread has used; negative once it is
// gone.
double threadCpuSeconds(pid_t tid);

} // namespace bench

#endif
