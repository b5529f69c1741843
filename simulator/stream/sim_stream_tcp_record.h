// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_TCP_RECORD_H
#define CAMSIM_STREAM_TCP_RECORD_H

// One record of the camera's TCP byte stream: the text "BoundaryS", a
// 32-byte header (record type, kind code, payload length, frame word, tilt
// word, picture size), the payload and the text "BoundaryE".
//
// Video records (type 0) carry their middle payload byte (index P / 2)
// inverted; the receiver flips it back. trailingPad bytes of zero after the
// JPEG's end marker imitate cameras that pad their records; receivers trim
// them when the end marker lies in the record's last 16 bytes.
//
// Thread rules: stateless; callable from any thread.

#include "stream/sim_stream_wire.h"

#include <vector>

namespace camsim {

constexpr char kRecordStart[] = "BoundaryS";
constexpr char kRecordEnd[] = "BoundaryE";
constexpr size_t kRecordMarkerBytes = 9;
constexpr size_t kRecordHeaderBytes = 32;

std::vector<uint8_t> encodeBoundaryRecord(const std::vector<uint8_t> &payload,
                                          const FrameMeta &meta, uint8_t recordType = 0,
                                          size_t trailingPad = 0);

} // namespace camsim

#endif
