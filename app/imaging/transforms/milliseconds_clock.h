// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MILLISECONDS_CLOCK_H
#define CORVANE_MILLISECONDS_CLOCK_H

// A monotonic time in milliseconds, replaceable so that timing rules can be
// checked by moving a clock instead of waiting.
//
// Thread rules: the default clock may be read from any thread.

#include <functional>

using MillisecondsClock = std::function<long long()>;

// Milliseconds since an arbitrary fixed point (std::chrono::steady_clock).
MillisecondsClock steadyMillisecondsClock();

#endif
