// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_STREAM_FIELDS_H
#define QV_STREAM_FIELDS_H

// The small per-stream values the receive threads publish for the caller:
// the last frame's kind and picture size, the measured frame rate, the
// camera's tilt word and whether data is arriving.
//
// Thread rules: written by both receive threads, read by the caller without
// a lock; each value is an independent atomic, so a reader may see one value
// from the previous frame and another from the current one (as intended:
// they are informational).

#include <atomic>
#include <cstdint>

namespace qv {

struct StreamFields {
    std::atomic<int32_t> kind{1};
    std::atomic<int32_t> width{0};
    std::atomic<int32_t> height{0};
    std::atomic<int32_t> frameRate{0};
    std::atomic<uint32_t> tiltWord{0};
    // Each receive thread keeps its own flag: data arriving on one transport
    // means the camera is there, whatever the other transport finds. (One
    // shared flag flickered: a UDP camera refuses the TCP connect, and each
    // refusal cleared the flag the UDP thread had just set.)
    std::atomic<bool> udpConnected{false};
    std::atomic<bool> tcpConnected{false};

    bool connected() const
    {
        return udpConnected.load(std::memory_order_relaxed) ||
               tcpConnected.load(std::memory_order_relaxed);
    }
};

} // namespace qv

#endif
