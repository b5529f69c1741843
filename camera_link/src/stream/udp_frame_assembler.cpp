// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/udp_frame_assembler.h"

namespace qv {

UdpFrameAssembler::UdpFrameAssembler(FrameSink &sink, size_t frameBufferBytes)
    : packet66_(packetSize_, sink, frameBufferBytes),
      type3_(packetSize_, sink,
             frameBufferBytes - Type3Reassembler::kSlotStateBytes)
{
}

void UdpFrameAssembler::feed(const uint8_t *datagram, size_t length)
{
    if (!datagram || length == 0)
        return;
    if (datagram[0] == 0x66) {
        packet66_.feed(datagram, length);
        return;
    }
    packetSize_.observeType3Datagram(static_cast<int>(length));
    type3_.feed(datagram, length);
}

} // namespace qv
