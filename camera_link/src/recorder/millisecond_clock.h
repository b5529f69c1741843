// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_MILLISECOND_CLOCK_H
#define QV_MILLISECOND_CLOCK_H

// The clock that paces recorded video. Only differences of its readings are
// used, in wrapping 32-bit arithmetic. The recorder takes it as a function so
// tests can drive pacing with a clock of their own instead of sleeping.
//
// Thread rules: wallClockMilliseconds is safe from any thread; a substitute
// clock is called under the recorder's lock.

#include <cstdint>
#include <functional>

namespace qv {

using MillisecondClock = std::function<std::uint32_t()>;

// Local wall-clock time as milliseconds since 1970-01-01, wrapped to 32 bits.
std::uint32_t wallClockMilliseconds();

} // namespace qv

#endif
