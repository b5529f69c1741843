// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_FRAME_SOURCE_H
#define CAMSIM_STREAM_FRAME_SOURCE_H

// Where the stream servers get their pictures: one encoded JPEG per frame
// counter, no longer than the byte limit of the transport in use.
//
// Thread rules: an implementation is called by one sender thread at a time
// (the server that owns the sender); it needs no lock of its own.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace camsim {

struct SourceFrame {
    std::vector<uint8_t> jpeg;
    uint16_t width = 0;
    uint16_t height = 0;
};

class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual SourceFrame frame(uint32_t counter, size_t byteLimit) = 0;
};

} // namespace camsim

#endif
