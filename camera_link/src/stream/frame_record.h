// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME_RECORD_H
#define QV_FRAME_RECORD_H

// One complete frame on its way from a receive thread to the caller.
//
// Thread rules: a record has exactly one owner at a time — the receive thread
// that made it, then the FrameQueue, then whoever popped it. It is never
// shared.

#include <cstdint>
#include <memory>

namespace qv {

struct FrameRecord {
    uint64_t info = 0; // low word first, handed out as FrameInfo
    int32_t kind = 0;
    int32_t length = 0;
    std::unique_ptr<uint8_t[]> data; // exactly `length` bytes

    // Copies `length` bytes into a new record. Returns null when memory runs
    // out (the frame is then lost) or the length is not positive.
    static std::unique_ptr<FrameRecord> copyOf(const uint8_t *bytes, int32_t length,
                                               int32_t kind, uint64_t info);
};

using FrameRecordPtr = std::unique_ptr<FrameRecord>;

} // namespace qv

#endif
