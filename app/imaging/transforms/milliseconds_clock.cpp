// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/milliseconds_clock.h"

#include <chrono>

MillisecondsClock steadyMillisecondsClock()
{
    return [] {
        return (long long)std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}
