// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_UDP_FRAME_ASSEMBLER_H
#define QV_UDP_FRAME_ASSEMBLER_H

// Everything the UDP receive thread does with a datagram once it is accepted:
// 0x66 packets and type-3 packets go to their reassemblers, which share the
// current packet size. Pure bytes in, frames out through the sink.
//
// Thread rules: belongs to the UDP receive thread (no lock).

#include "stream/frame_sink.h"
#include "stream/packet66_reassembler.h"
#include "stream/packet_size_tracker.h"
#include "stream/type3_reassembler.h"

#include <cstddef>
#include <cstdint>

namespace qv {

class UdpFrameAssembler {
public:
    // A smaller frame buffer (more than 1040 bytes) only for tests and
    // fuzzers.
    explicit UdpFrameAssembler(FrameSink &sink,
                               size_t frameBufferBytes = Packet66Reassembler::kFrameBufferBytes);
    void feed(const uint8_t *datagram, size_t length);
    int currentPacketSize() const { return packetSize_.current(); }

private:
    PacketSizeTracker packetSize_;
    Packet66Reassembler packet66_;
    Type3Reassembler type3_;
};

} // namespace qv

#endif
