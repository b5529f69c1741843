// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/raw_frame_queue.h"

#include <algorithm>

RawFrameQueue::RawFrameQueue(std::size_t maxFrames, std::size_t maxBytes)
    : maxFrames_(std::max<std::size_t>(1, maxFrames)), maxBytes_(maxBytes)
{
}

bool RawFrameQueue::push(QByteArray frame)
{
    std::deque<QByteArray> thrown; // released outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    const bool wasEmpty = frames_.empty();
    bytes_ += std::size_t(frame.size());
    frames_.push_back(std::move(frame));
    // The newest frame always stays, even one larger than the byte limit.
    while (frames_.size() > 1 && (frames_.size() > maxFrames_ || bytes_ > maxBytes_)) {
        bytes_ -= std::size_t(frames_.front().size());
        thrown.push_back(std::move(frames_.front()));
        frames_.pop_front();
        ++dropped_;
    }
    return wasEmpty;
}

std::deque<QByteArray> RawFrameQueue::takeAll()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::deque<QByteArray> all;
    all.swap(frames_);
    bytes_ = 0;
    return all;
}

void RawFrameQueue::clear()
{
    takeAll();
}

quint64 RawFrameQueue::dropped() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

std::size_t RawFrameQueue::waiting() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return frames_.size();
}

std::size_t RawFrameQueue::waitingBytes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}
