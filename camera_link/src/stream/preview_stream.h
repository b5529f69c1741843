// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_PREVIEW_STREAM_H
#define QV_PREVIEW_STREAM_H

// One camera's video stream: a UDP and a TCP receive thread that both end in
// one bounded frame queue, plus what the caller may ask about the stream.
// This is the object behind the opaque PreviewStream handle of the C
// interface.
//
// Thread rules: the creating thread owns the stream and both receive
// threads; it (and only it) calls stop() or destroys the stream, which joins
// them. takeFrame() and the queries are for one consumer thread at a time
// (the tilt computation keeps state); frames cross from the receive threads
// only through the queue, the rest through atomics.

#include "qv_camera.h"
#include "stream/frame_delivery.h"
#include "stream/frame_queue.h"
#include "stream/preview_options.h"
#include "stream/stop_signal.h"
#include "stream/stream_fields.h"
#include "stream/tcp_receiver.h"
#include "stream/tilt_angle.h"
#include "stream/udp_receiver.h"

#include <memory>
#include <string>

struct PreviewStream {
public:
    static constexpr uint16_t kQueueCapacity = 10;
    static constexpr size_t kMaxAddressLength = 31;

    // Null when the address is missing, memory runs out or a thread cannot
    // be started. A camera that is not there is not an error: the threads
    // keep trying.
    static std::unique_ptr<PreviewStream> start(const char *ip,
                                                const qv::PreviewOptions &options = {});
    ~PreviewStream(); // stops first

    PreviewStream(const PreviewStream &) = delete;
    PreviewStream &operator=(const PreviewStream &) = delete;

    // Ends and joins both receive threads; the camera is told to stop. Safe
    // to call more than once.
    void stop();

    // Takes the oldest frame into buffer (which must hold QV_MAX_FRAME_BYTES)
    // and fills whichever outputs are given. 0 when no frame is waiting.
    int takeFrame(void *buffer, FrameInfo *info, int *kind, float *degree);

    const qv::StreamFields &fields() const { return fields_; }
    qv::FrameQueue &queue() { return *queue_; }

private:
    PreviewStream(std::string ip, const qv::PreviewOptions &options,
                  std::unique_ptr<qv::FrameQueue> queue);

    const std::string ip_;
    const qv::PreviewOptions options_;
    qv::StreamFields fields_;
    std::unique_ptr<qv::FrameQueue> queue_;
    qv::FrameDelivery delivery_;
    qv::StopSignal stopSignal_;
    qv::TiltAngle tilt_;
    qv::TcpReceiver tcp_;
    qv::UdpReceiver udp_;
};

#endif
