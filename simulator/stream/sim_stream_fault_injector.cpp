// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_fault_injector.h"

#include <algorithm>
#include <utility>

namespace camsim {

FaultInjector::FaultInjector(uint32_t seed) : random_(seed) {}

bool FaultInjector::chance(double probability)
{
    if (probability <= 0.0)
        return false;
    if (probability >= 1.0)
        return true;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < probability;
}

std::vector<Datagram> FaultInjector::apply(std::vector<Datagram> units, const StreamFaults &faults,
                                           size_t garbageMaxBytes)
{
    for (size_t i = 1; i + 1 < units.size(); ++i) {
        if (chance(faults.reorder)) {
            std::swap(units[i], units[i + 1]);
            ++counters_.reordered;
            ++i; // a unit moves at most one place
        }
    }

    std::vector<Datagram> out;
    out.reserve(units.size() + 2);
    for (Datagram &unit : units) {
        if (chance(faults.loss)) {
            ++counters_.dropped;
            continue;
        }
        if (chance(faults.duplicate)) {
            out.push_back(unit);
            ++counters_.duplicated;
        }
        out.push_back(std::move(unit));
    }

    if (chance(faults.garbage)) {
        const size_t length = std::uniform_int_distribution<size_t>(
            1, std::max<size_t>(1, garbageMaxBytes))(random_);
        Datagram junk(length);
        for (uint8_t &b : junk)
            b = static_cast<uint8_t>(random_());
        const size_t at = out.empty() ? 0
                                      : std::uniform_int_distribution<size_t>(1, out.size())(random_);
        out.insert(out.begin() + static_cast<long>(at), std::move(junk));
        ++counters_.garbage;
    }
    return out;
}

} // namespace camsim
