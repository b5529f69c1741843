// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME_SINK_H
#define QV_FRAME_SINK_H

// Where the byte-level parsers (UDP reassemblers, TCP record decoder) put what
// they find. Keeping this an interface lets the parsers run without sockets
// or threads in tests and fuzzers.
//
// Thread rules: a parser calls its sink on the parser's own thread only.

#include <cstdint>

namespace qv {

struct VideoFrame {
    const uint8_t *bytes = nullptr; // valid only during the call
    int32_t length = 0;
    int32_t kind = 0;
    uint64_t info = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual void setTiltWord(uint32_t word) = 0;
    // A complete video frame: updates the stream's kind and picture size,
    // counts it for the rate report, applies the latency flush and queues a
    // copy.
    virtual void deliverVideo(const VideoFrame &frame) = 0;
    // A record of the second stream: queued as it is, nothing else touched.
    virtual void deliverUnchanged(const uint8_t *bytes, int32_t length, int32_t kind) = 0;
};

} // namespace qv

#endif
