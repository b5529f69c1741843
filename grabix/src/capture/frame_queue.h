// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_FRAME_QUEUE_H
#define GRABIX_FRAME_QUEUE_H

// The bounded hand-over of raw frames from the capture thread to the encode
// thread, with a pool of spent buffers going the other way so a recording
// does not allocate a frame's worth of memory per capture.
//
// Thread rules: one producer (capture) calls takeBuffer() and push(); one
// consumer (encode) calls pop() and recycle(); the owner calls close() once
// the producer has stopped. Every member takes the queue's mutex.
// When the consumer falls behind and the queue is full, push() drops the
// oldest waiting frame and counts it: the newest picture of the screen is
// the one worth keeping.

#include "capture/frame.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace grabix {

class FrameQueue {
public:
    explicit FrameQueue(std::size_t capacity);

    // A spent frame to fill, or an empty one when none is spare.
    Frame takeBuffer();
    void push(Frame &&frame);

    // Waits for a frame; false once the queue is closed and drained.
    bool pop(Frame &out);
    void recycle(Frame &&frame);

    // No more pushes; pop() returns the remaining frames, then false.
    void close();

    std::uint64_t dropped() const;

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Frame> waiting_;
    std::vector<Frame> spare_;
    std::uint64_t dropped_ = 0;
    bool closed_ = false;
};

} // namespace grabix

#endif
