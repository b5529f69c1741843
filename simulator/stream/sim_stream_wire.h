// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_WIRE_H
#define CAMSIM_STREAM_WIRE_H

// Byte-level helpers and constants shared by the stream packetizers. The
// camera writes every multi-byte field little-endian, whatever the host is.
//
// Thread rules: stateless; callable from any thread.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace camsim {

constexpr int kStreamUdpPort = 8030;
constexpr int kStreamTcpPort = 7060;

// The three payload sizes the camera uses per datagram.
constexpr int kPacketSizes[] = {1390, 2900, 1388};

constexpr size_t kUdp66HeaderBytes = 24;
constexpr size_t kUdp3HeaderBytes = 51; // 24-byte packet header + 27-byte frame header
constexpr int kMaxPacketsPerFrame = 1024;

// What a receiver can hold: a 0x66 frame fills a 1 MiB buffer, a type-3
// frame the same buffer after 1040 bytes of slot state, a TCP record 3 MiB
// with its 32-byte header and 9-byte end marker; the library hands out at
// most 1,536,000 bytes in any case.
constexpr size_t kUdp66FrameLimit = 0x100000;
constexpr size_t kUdp3FrameLimit = 0x100000 - 1040;
constexpr size_t kLibraryFrameLimit = 1536000;
constexpr size_t kTcpFrameLimit = kLibraryFrameLimit;

// Everything about a frame except its bytes.
struct FrameMeta {
    uint8_t kind = 1;
    uint32_t counter = 0; // frame id on the wire and the info word
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t tilt = 0;
};

using Datagram = std::vector<uint8_t>;

inline void putLe16(uint8_t *at, uint32_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

inline void putLe32(uint8_t *at, uint32_t v)
{
    putLe16(at, v & 0xFFFFu);
    putLe16(at + 2, v >> 16);
}

inline uint32_t getLe16(const uint8_t *at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8);
}

inline uint32_t getLe32(const uint8_t *at)
{
    return getLe16(at) | (getLe16(at + 2) << 16);
}

} // namespace camsim

#endif
