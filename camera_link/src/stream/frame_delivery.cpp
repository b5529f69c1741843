// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/frame_delivery.h"

#include "qv_camera.h"

#include <chrono>
#include <cstdio>

namespace qv {

uint64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

FrameDelivery::FrameDelivery(StreamFields &fields, FrameQueue &queue, MillisecondClock clock)
    : fields_(fields), queue_(queue), clock_(std::move(clock))
{
}

void FrameDelivery::setTiltWord(uint32_t word) { fields_.tiltWord.store(word, std::memory_order_relaxed); }

// The frame exports have no size argument: a frame longer than the buffer the
// caller was told to provide would overrun it, so it never reaches the queue.
bool FrameDelivery::fitsCallerBuffer(int32_t length) const
{
    if (length <= QV_MAX_FRAME_BYTES)
        return true;
    std::printf("QV: %d: frame of %d bytes exceeds the limit of %d, dropped \n", 707,
                static_cast<int>(length), QV_MAX_FRAME_BYTES);
    return false;
}

void FrameDelivery::countForRateReport()
{
    std::lock_guard<std::mutex> guard(rateLock_);
    ++frameCount_;
    uint64_t now = clock_();
    if (now - lastReportMs_ > 2000) {
        int rate = frameCount_ / 2;
        std::printf("QV: %d: =====> video frameRate %d\n \n", 61, rate);
        fields_.frameRate.store(rate, std::memory_order_relaxed);
        frameCount_ = 0;
        lastReportMs_ = now;
    }
}

void FrameDelivery::deliverVideo(const VideoFrame &frame)
{
    if (!fitsCallerBuffer(frame.length))
        return;
    fields_.kind.store(frame.kind, std::memory_order_relaxed);
    fields_.width.store(frame.width, std::memory_order_relaxed);
    fields_.height.store(frame.height, std::memory_order_relaxed);
    FrameRecordPtr record = FrameRecord::copyOf(frame.bytes, frame.length, frame.kind, frame.info);
    if (!record)
        return;
    countForRateReport();
    // The consumer is behind: keep only the newest picture so the live view
    // does not lag. Kind 3 frames are never discarded this way.
    if (queue_.count() > 2 && frame.kind != 3)
        queue_.discardAll();
    queue_.push(std::move(record));
}

void FrameDelivery::deliverUnchanged(const uint8_t *bytes, int32_t length, int32_t kind)
{
    if (!fitsCallerBuffer(length))
        return;
    FrameRecordPtr record = FrameRecord::copyOf(bytes, length, kind, 0);
    if (record)
        queue_.push(std::move(record));
}

} // namespace qv
