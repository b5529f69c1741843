// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_PROCESS_USAGE_H
#define BENCH_PROCESS_USAGE_H

// CPU time and memory of this process, and CPU time per thread, from /proc.

#include <map>
#include <string>

struct ThreadCpu {
    std::string name;
    double seconds = 0;
};

double processCpuSeconds();
long residentKiB();  // VmRSS
long peakResidentKiB(); // VmHWM
std::map<int, ThreadCpu> threadCpu();

#endif
