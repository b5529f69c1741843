// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_stats.h"

namespace camsim {

void StreamStats::countUnit(uint64_t bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++counts_.datagramsSent;
    counts_.bytesSent += bytes;
}

void StreamStats::frameDone(uint32_t counter, Clock::time_point lastByteSent)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++counts_.framesSent;
    counts_.lastCounter = counter;
    const size_t slot = counter % kHistory;
    counters_[slot] = counter;
    times_[slot] = lastByteSent;
    valid_[slot] = true;
}

StreamCounts StreamStats::counts() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return counts_;
}

void StreamStats::setFaultCounters(const FaultCounters &faults)
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_ = faults;
}

FaultCounters StreamStats::faultCounters() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_;
}

bool StreamStats::lastByteSent(uint32_t counter, Clock::time_point &when) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const size_t slot = counter % kHistory;
    if (!valid_[slot] || counters_[slot] != counter)
        return false;
    when = times_[slot];
    return true;
}

} // namespace camsim
