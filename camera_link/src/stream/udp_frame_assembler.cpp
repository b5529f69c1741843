#include "stream/udp_frame_assembler.h"

namespace qv {

UdpFrameAssembler::UdpFrameAssembler(FrameSink &sink)
    : packet66_(packetSize_, sink), type3_(packetSize_, sink)
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
