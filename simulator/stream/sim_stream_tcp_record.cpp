// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_tcp_record.h"

#include <cstring>

namespace camsim {

std::vector<uint8_t> encodeBoundaryRecord(const std::vector<uint8_t> &payload,
                                          const FrameMeta &meta, uint8_t recordType,
                                          size_t trailingPad)
{
    const size_t p = payload.size() + trailingPad;
    std::vector<uint8_t> out(kRecordMarkerBytes + kRecordHeaderBytes + p + kRecordMarkerBytes, 0);
    uint8_t *at = out.data();
    std::memcpy(at, kRecordStart, kRecordMarkerBytes);
    uint8_t *header = at + kRecordMarkerBytes;
    header[1] = recordType;
    header[2] = meta.kind;
    putLe32(header + 4, static_cast<uint32_t>(p));
    putLe32(header + 12, meta.counter);
    putLe32(header + 20, meta.tilt);
    putLe32(header + 24, meta.width);
    putLe32(header + 28, meta.height);
    uint8_t *body = header + kRecordHeaderBytes;
    if (!payload.empty())
        std::memcpy(body, payload.data(), payload.size());
    if (recordType == 0 && p > 0)
        body[p / 2] ^= 0xFF;
    std::memcpy(body + p, kRecordEnd, kRecordMarkerBytes);
    return out;
}

} // namespace camsim
