// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/frame_queue.h"

#include <utility>

namespace grabix {

FrameQueue::FrameQueue(std::size_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {}

Frame FrameQueue::takeBuffer()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (spare_.empty())
        return {};
    Frame frame = std::move(spare_.back());
    spare_.pop_back();
    return frame;
}

void FrameQueue::push(Frame &&frame)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_)
            return;
        if (waiting_.size() >= capacity_) {
            spare_.push_back(std::move(waiting_.front()));
            waiting_.pop_front();
            ++dropped_;
        }
        waiting_.push_back(std::move(frame));
    }
    ready_.notify_one();
}

bool FrameQueue::pop(Frame &out)
{
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return !waiting_.empty() || closed_; });
    if (waiting_.empty())
        return false;
    out = std::move(waiting_.front());
    waiting_.pop_front();
    return true;
}

void FrameQueue::recycle(Frame &&frame)
{
    std::lock_guard<std::mutex> lock(mutex_);
    // One spare per queue place plus the two in flight is all the cycle uses.
    if (spare_.size() < capacity_ + 2)
        spare_.push_back(std::move(frame));
}

void FrameQueue::close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
    }
    ready_.notify_all();
}

std::uint64_t FrameQueue::dropped() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

} // namespace grabix
