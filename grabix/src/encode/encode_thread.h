// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_ENCODE_THREAD_H
#define GRABIX_ENCODE_THREAD_H

// The encode thread: takes frames from the queue, compresses them and hands
// the JPEG bytes to the sink, then returns the frame's memory to the queue.
//
// Thread rules: the owning recording calls start(), closes the queue once
// capture has stopped, then calls join(); the thread drains what is still
// queued and ends. The counters are read by the owner after join(). A frame
// that cannot be compressed is skipped and counted; its reason is printed
// once.

#include "capture/frame_queue.h"
#include "encode/jpeg_encoder.h"
#include "record/media_sink.h"

#include <cstdint>
#include <thread>

namespace grabix {

class EncodeThread {
public:
    EncodeThread(FrameQueue &queue, MediaSink &sink);
    ~EncodeThread();
    EncodeThread(const EncodeThread &) = delete;
    EncodeThread &operator=(const EncodeThread &) = delete;

    void start();
    void join();

    // Valid after join().
    std::uint64_t encoded() const { return encoded_; }
    std::uint64_t failed() const { return failed_; }

private:
    void run();

    FrameQueue &queue_;
    MediaSink &sink_;
    std::thread thread_;
    std::uint64_t encoded_ = 0;
    std::uint64_t failed_ = 0;
};

} // namespace grabix

#endif
