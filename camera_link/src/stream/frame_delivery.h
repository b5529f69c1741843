// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME_DELIVERY_H
#define QV_FRAME_DELIVERY_H

// The common end of both receive paths: copies each complete frame once into
// a record, keeps the frame-rate report, discards waiting frames when the
// consumer falls behind, and refuses frames longer than the caller's buffer
// (QV_MAX_FRAME_BYTES).
//
// Thread rules: both receive threads call it concurrently; the rate counter
// has its own small lock, the queue its own, the stream fields are atomics.

#include "stream/frame_queue.h"
#include "stream/frame_sink.h"
#include "stream/stream_fields.h"

#include <cstdint>
#include <functional>
#include <mutex>

namespace qv {

// Milliseconds from a monotonic tick counter.
using MillisecondClock = std::function<uint64_t()>;
uint64_t steadyMilliseconds();

class FrameDelivery : public FrameSink {
public:
    FrameDelivery(StreamFields &fields, FrameQueue &queue,
                  MillisecondClock clock = steadyMilliseconds);

    void setTiltWord(uint32_t word) override;
    void deliverVideo(const VideoFrame &frame) override;
    void deliverUnchanged(const uint8_t *bytes, int32_t length, int32_t kind) override;

private:
    bool fitsCallerBuffer(int32_t length) const;
    void countForRateReport();

    StreamFields &fields_;
    FrameQueue &queue_;
    MillisecondClock clock_;
    std::mutex rateLock_;
    int frameCount_ = 0;
    uint64_t lastReportMs_ = 0;
};

} // namespace qv

#endif
