// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/frame_pacer.h"

namespace qv {

FramePacer::Decision FramePacer::onFrame(std::uint32_t nowMs)
{
    if (!started_) {
        started_ = true;
        nextDue_ = nowMs;
        return {0, 1};
    }
    // Wrapping difference: the clock may pass 2^32 during a recording.
    const auto elapsed = static_cast<std::int32_t>(nowMs - nextDue_);
    if (elapsed < interval_)
        return {0, 0};
    const std::int32_t late = elapsed - interval_;
    if (late < interval_) {
        nextDue_ += static_cast<std::uint32_t>(interval_);
        return {1, 0};
    }
    const std::int32_t copies = late / interval_;
    nextDue_ += 2u * static_cast<std::uint32_t>(interval_) * static_cast<std::uint32_t>(copies);
    return {1, copies};
}

} // namespace qv
