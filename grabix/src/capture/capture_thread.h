// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_CAPTURE_THREAD_H
#define GRABIX_CAPTURE_THREAD_H

// The capture thread: grabs the rectangle at the frame rate and pushes each
// frame into the queue for the encoder.
//
// Thread rules: the recording that owns it calls start() and stop() (which
// joins). The X connection and the grabber are handed over at construction;
// the thread is their only user and closes them itself when it ends:
// after a broken connection Xlib lets only the thread that saw the break
// close it (from any other thread XCloseDisplay waits forever). The
// counters and the reason are read by the owner after stop(). Ticks are
// kept on a steady clock; a tick missed because a grab took too long is
// skipped, not made up with a burst.

#include "capture/frame_queue.h"
#include "capture/screen_grabber.h"
#include "capture/x_display.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace grabix {

class CaptureThread {
public:
    CaptureThread(std::unique_ptr<XDisplay> display, std::unique_ptr<ScreenGrabber> grabber,
                  FrameQueue &queue, int frameRate);
    ~CaptureThread();
    CaptureThread(const CaptureThread &) = delete;
    CaptureThread &operator=(const CaptureThread &) = delete;

    void start();
    void stop();

    // Valid after stop().
    std::uint64_t captured() const { return captured_; }
    // Why capture ended before stop(); empty when it did not.
    const std::string &lostReason() const { return lostReason_; }

private:
    void run();
    void capture();
    void closeScreen();

    std::unique_ptr<XDisplay> display_;
    std::unique_ptr<ScreenGrabber> grabber_;
    FrameQueue &queue_;
    const int frameRate_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
    std::uint64_t captured_ = 0;
    std::string lostReason_;
};

} // namespace grabix

#endif
