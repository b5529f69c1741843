// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/millisecond_clock.h"

#include <ctime>

namespace qv {

std::uint32_t wallClockMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const time_t seconds = now.tv_sec;
    tm local{};
    localtime_r(&seconds, &local);
    const auto localSeconds = static_cast<std::uint64_t>(now.tv_sec + local.tm_gmtoff);
    return static_cast<std::uint32_t>(localSeconds * 1000u +
                                      static_cast<std::uint64_t>(now.tv_nsec / 1000000));
}

} // namespace qv
