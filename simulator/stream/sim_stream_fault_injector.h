// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_FAULT_INJECTOR_H
#define CAMSIM_STREAM_FAULT_INJECTOR_H

// Applies the fault knobs to the units of one frame (its datagrams, or its
// single record on TCP): loss, duplication, reordering and garbage. The first
// unit of a frame is never moved by reordering: a 0x66 receiver takes the
// packet size from the first packet it sees of a frame, so moving it would
// test a different fault.
//
// Thread rules: not thread-safe; owned by one sender thread.

#include "stream/sim_stream_settings.h"
#include "stream/sim_stream_wire.h"

#include <random>
#include <vector>

namespace camsim {

struct FaultCounters {
    uint64_t dropped = 0;
    uint64_t duplicated = 0;
    uint64_t reordered = 0;
    uint64_t garbage = 0;
};

class FaultInjector {
public:
    explicit FaultInjector(uint32_t seed);

    // garbageMaxBytes bounds the length of a garbage unit (at least 1).
    std::vector<Datagram> apply(std::vector<Datagram> units, const StreamFaults &faults,
                                size_t garbageMaxBytes);

    const FaultCounters &counters() const { return counters_; }

private:
    bool chance(double probability);

    std::mt19937 random_;
    FaultCounters counters_;
};

} // namespace camsim

#endif
