// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_PACER_H
#define CAMSIM_STREAM_PACER_H

// Frame timing for a sender: a frame is due every 1/fps seconds. A sender
// that falls behind skips the missed slots instead of sending a burst.
//
// Thread rules: not thread-safe; owned by one sender thread.

#include <algorithm>
#include <chrono>

namespace camsim {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(int fps)
        : period_(std::chrono::duration_cast<Clock::duration>(
              std::chrono::duration<double>(1.0 / std::clamp(fps, 1, 1000)))),
          next_(Clock::now())
    {
    }

    bool due(Clock::time_point now) const { return now >= next_; }

    void frameSent(Clock::time_point now)
    {
        next_ += period_;
        if (next_ < now)
            next_ = now + period_;
    }

    // How long to wait at most before the next frame is due.
    Clock::duration untilDue(Clock::time_point now) const
    {
        return next_ > now ? next_ - now : Clock::duration::zero();
    }

private:
    Clock::duration period_;
    Clock::time_point next_;
};

} // namespace camsim

#endif
