// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME_PACER_H
#define QV_FRAME_PACER_H

// Sample-and-hold pacing: turns frames arriving at an irregular rate into a
// constant-rate track. For each arriving frame it decides how often the held
// frame (the one received before) and the new frame are written; the caller
// writes them and then holds the new frame.
//
// Thread rules: no lock; the Recorder calls it under its own lock.

#include <cstdint>

namespace qv {

class FramePacer {
public:
    struct Decision {
        int heldCopies; // 0 or 1, written first
        int newCopies;
    };

    static constexpr std::int32_t kDefaultIntervalMs = 60;

    // Intervals below 1 ms (frame rates above 1000) are taken as 1 ms.
    void setInterval(std::int32_t ms) { interval_ = ms < 1 ? 1 : ms; }
    std::int32_t interval() const { return interval_; }

    Decision onFrame(std::uint32_t nowMs);

    // Back to "no frame written yet"; the interval stays.
    void reset()
    {
        started_ = false;
        nextDue_ = 0;
    }
    bool started() const { return started_; }
    std::uint32_t nextDue() const { return nextDue_; }

private:
    std::int32_t interval_ = kDefaultIntervalMs;
    // A flag of its own rather than nextDue_ == 0, which is a valid reading
    // of a wrapping clock.
    bool started_ = false;
    std::uint32_t nextDue_ = 0;
};

} // namespace qv

#endif
