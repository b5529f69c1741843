// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTS_STREAM_WIRE_H
#define TESTS_STREAM_WIRE_H

// The camera's side of the stream formats, written from the wire tables
// independently of the library: 0x66 packets, type-3 packets and TCP
// boundary records, plus test pictures. Tests (and benchmarks) build what a
// camera would send with these.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace streamwire {

using Bytes = std::vector<uint8_t>;

// Deterministic pseudo-random bytes that start like a JPEG (FF D8) and end
// with its end marker (FF D9).
Bytes testPicture(size_t length, uint32_t seed);

struct Frame66 {
    uint8_t frameId = 1;
    uint8_t kind = 1;
    uint16_t width = 640;
    uint16_t height = 480;
    uint32_t tilt = 0;
    uint32_t info = 0;
    uint16_t packetSize = 1390;
};
// The frame cut into packets of packetSize payload bytes, in index order.
std::vector<Bytes> packets66(const Bytes &picture, const Frame66 &f);

struct FrameType3 {
    uint32_t frameId = 1;
    uint8_t kind = 1;
    uint16_t width = 640;
    uint16_t height = 480;
    uint32_t tilt = 0;
    uint32_t info = 0;
    uint16_t packetSize = 1390;
    bool invertOneByte = true; // header word 16 = 0, one byte stored flipped
    uint16_t typeWord = 3;
};
// The frame cut into type-3 packets, indexes from 1, in order. When
// invertOneByte is set the camera flips the byte the receiver restores.
std::vector<Bytes> packetsType3(const Bytes &picture, const FrameType3 &f);

struct Record {
    uint8_t type = 0;
    uint8_t kindCode = 1;
    uint32_t tilt = 0;
    uint32_t width = 640;
    uint32_t height = 480;
};
// "BoundaryS", 32-byte header, payload, "BoundaryE". For type 0 the camera
// flips the payload byte at P/2 (restored by the receiver).
Bytes boundaryRecord(const Bytes &payload, const Record &r);
// The same with the header's payload length replaced.
Bytes boundaryRecordWithLength(const Bytes &payload, const Record &r, uint32_t announced);

} // namespace streamwire

#endif
