// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/latest_frame_mailbox.h"

bool LatestFrameMailbox::put(LiveFrame frame)
{
    std::optional<LiveFrame> older; // released outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    const bool wasEmpty = !slot_.has_value();
    if (!wasEmpty) {
        older = std::move(slot_);
        ++replaced_;
    }
    slot_ = std::move(frame);
    return wasEmpty;
}

std::optional<LiveFrame> LatestFrameMailbox::take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<LiveFrame> frame = std::move(slot_);
    slot_.reset();
    return frame;
}

void LatestFrameMailbox::clear()
{
    take();
}

quint64 LatestFrameMailbox::replaced() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return replaced_;
}

bool LatestFrameMailbox::holdsFrame() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return slot_.has_value();
}
