// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_frame_packer.h"

#include "stream/sim_stream_jpeg_tags.h"
#include "stream/sim_stream_tcp_record.h"
#include "stream/sim_stream_udp3_packetizer.h"
#include "stream/sim_stream_udp66_packetizer.h"

namespace camsim {

std::vector<Datagram> packFrame(const SourceFrame &frame, const StreamSettings &settings,
                                const StreamFaults &faults, uint32_t counter)
{
    FrameMeta meta;
    meta.kind = settings.kind;
    meta.counter = counter;
    meta.width = frame.width;
    meta.height = frame.height;
    meta.tilt = settings.tilt;

    const bool oversize = faults.oversizeEvery != 0 && counter % faults.oversizeEvery == 0 &&
                          faults.oversizeBytes > frame.jpeg.size();
    std::vector<uint8_t> padded;
    if (oversize) {
        padded = frame.jpeg;
        padToSize(padded, faults.oversizeBytes);
    }
    const std::vector<uint8_t> &bytes = oversize ? padded : frame.jpeg;

    switch (settings.transport) {
    case StreamTransport::Udp66:
        return packetizeUdp66(bytes, meta, settings.packetSize);
    case StreamTransport::Udp3:
        return packetizeUdp3(bytes, meta, settings.packetSize, true);
    case StreamTransport::Udp3Plain:
        return packetizeUdp3(bytes, meta, settings.packetSize, false);
    case StreamTransport::Tcp:
        return {encodeBoundaryRecord(bytes, meta, 0, settings.tcpTrailingPad)};
    }
    return {};
}

} // namespace camsim
