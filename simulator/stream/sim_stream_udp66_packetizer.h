// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_UDP66_PACKETIZER_H
#define CAMSIM_STREAM_UDP66_PACKETIZER_H

// Cuts one JPEG frame into the camera's 0x66 datagrams: a 24-byte header
// (marker 0x66, kind, 8-bit frame id, total length, picture size, packet
// index from 0, payload bytes, tilt word, info word) and up to packetSize
// payload bytes, the packet with index i carrying bytes from i * packetSize.
//
// Thread rules: stateless; callable from any thread.

#include "stream/sim_stream_wire.h"

#include <vector>

namespace camsim {

// Empty frames and packet sizes outside 1..65535 give no datagrams. Frames
// past the receiver's limits are packetized all the same (the oversize
// fault relies on it), up to 65535 packets.
std::vector<Datagram> packetizeUdp66(const std::vector<uint8_t> &frame,
                                     const FrameMeta &meta, int packetSize);

} // namespace camsim

#endif
