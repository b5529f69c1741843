// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_STATS_H
#define CAMSIM_STREAM_STATS_H

// What a stream server has sent: frame, datagram and byte counts, and when
// the last byte of each recent frame left (keyed by frame counter), for
// latency measurements on the receiving side.
//
// Thread rules: every member function may be called from any thread; the
// sender thread writes, tests and benchmarks read. One mutex guards all.

#include "stream/sim_stream_fault_injector.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>

namespace camsim {

struct StreamCounts {
    uint64_t framesSent = 0;    // frames handed to the transport (faults may drop parts)
    uint64_t datagramsSent = 0; // datagrams (UDP) or records (TCP) written
    uint64_t bytesSent = 0;
    uint32_t lastCounter = 0;   // counter of the last frame sent
};

class StreamStats {
public:
    using Clock = std::chrono::steady_clock;

    void countUnit(uint64_t bytes);
    void frameDone(uint32_t counter, Clock::time_point lastByteSent);
    StreamCounts counts() const;

    void setFaultCounters(const FaultCounters &faults);
    FaultCounters faultCounters() const;

    // When the frame's last byte was sent; false if the frame was not sent
    // or is older than the last kHistory frames.
    bool lastByteSent(uint32_t counter, Clock::time_point &when) const;

    static constexpr size_t kHistory = 8192;

private:
    mutable std::mutex mutex_;
    StreamCounts counts_;
    FaultCounters faults_;
    std::array<uint32_t, kHistory> counters_{};
    std::array<Clock::time_point, kHistory> times_{};
    std::array<bool, kHistory> valid_{};
};

} // namespace camsim

#endif
