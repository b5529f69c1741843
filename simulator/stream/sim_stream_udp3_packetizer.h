// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_UDP3_PACKETIZER_H
#define CAMSIM_STREAM_UDP3_PACKETIZER_H

// Cuts one JPEG frame into the camera's type-3 datagrams: a 24-byte packet
// header (word 3 at offset 2, tilt word at 8, restoration word at 16), a
// 27-byte frame header (kind, 32-bit frame id, total length, packet index
// from 1, packet count, payload bytes, frame word, picture size, info word)
// and the payload, packet i carrying bytes from (i - 1) * packetSize.
//
// With scrambling on, the restoration word is 0 and one byte of the frame
// travels inverted; the receiver flips it back at the position derived from
// the info word and the frame length (invertedBytePosition).
//
// Thread rules: stateless; callable from any thread.

#include "stream/sim_stream_wire.h"

#include <vector>

namespace camsim {

// Position of the inverted byte in a frame of length n (n > 0) whose info
// word is seed.
uint32_t invertedBytePosition(uint32_t seed, uint32_t n);

// Empty frames and packet sizes outside 1..65535 give no datagrams; at most
// 65535 packets.
std::vector<Datagram> packetizeUdp3(const std::vector<uint8_t> &frame,
                                    const FrameMeta &meta, int packetSize,
                                    bool scrambleByte);

} // namespace camsim

#endif
