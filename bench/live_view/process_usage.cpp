// SPDX-License-Identifier: GPL-3.0-or-later

#include "process_usage.h"

#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {

long statusField(const char *field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

} // namespace

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKiB()
{
    return statusField("VmRSS");
}

long peakResidentKiB()
{
    return statusField("VmHWM");
}

std::map<int, ThreadCpu> threadCpu()
{
    std::map<int, ThreadCpu> result;
    const double tick = double(sysconf(_SC_CLK_TCK));
    DIR *dir = opendir("/proc/self/task");
    if (!dir)
        return result;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const int tid = std::atoi(entry->d_name);
        std::ifstream in(std::string("/proc/self/task/") + entry->d_name + "/stat");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto open = text.find('(');
        const auto close = text.rfind(')');
        if (open == std::string::npos || close == std::string::npos)
            continue;
        ThreadCpu cpu;
        cpu.name = text.substr(open + 1, close - open - 1);
        std::istringstream rest(text.substr(close + 2));
        std::string field;
        long utime = 0, stime = 0;
        for (int i = 3; rest >> field; ++i) {
            if (i == 14)
                utime = std::stol(field);
            if (i == 15) {
                stime = std::stol(field);
                break;
            }
        }
        cpu.seconds = double(utime + stime) / tick;
        result[tid] = cpu;
    }
    closedir(dir);
    return result;
}
