// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/capture_thread.h"

#include <chrono>
#include <csignal>
#include <pthread.h>

namespace grabix {

CaptureThread::CaptureThread(std::unique_ptr<XDisplay> display,
                             std::unique_ptr<ScreenGrabber> grabber, FrameQueue &queue,
                             int frameRate)
    : display_(std::move(display)), grabber_(std::move(grabber)), queue_(queue),
      frameRate_(frameRate > 0 ? frameRate : 1)
{
}

CaptureThread::~CaptureThread()
{
    stop();
    closeScreen(); // when the thread never ran
}

void CaptureThread::closeScreen()
{
    grabber_.reset();
    display_.reset();
}

void CaptureThread::start()
{
    thread_ = std::thread([this] { run(); });
}

void CaptureThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void CaptureThread::run()
{
    pthread_setname_np(pthread_self(), "grabix-capture");
    // A lost X server can show first as a write to its closed socket. The
    // SIGPIPE of that write would end the whole host program; blocked on
    // this thread (the only one talking to the server while recording), the
    // write fails instead and ends the recording with its reason.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    capture();
    closeScreen();
}

void CaptureThread::capture()
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / frameRate_;
    auto due = Clock::now();
    for (;;) {
        Frame frame = queue_.takeBuffer();
        std::string why;
        if (!grabber_->grab(frame, why)) {
            lostReason_ = why;
            return;
        }
        queue_.push(std::move(frame));
        ++captured_;

        due += period;
        const auto now = Clock::now();
        if (due < now)
            due = now; // late: the next frame comes now, the missed ones are gone
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_until(lock, due, [this] { return stopping_; }))
            return;
    }
}

} // namespace grabix
