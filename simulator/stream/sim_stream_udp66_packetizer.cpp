// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_udp66_packetizer.h"

#include <algorithm>
#include <cstring>

namespace camsim {

std::vector<Datagram> packetizeUdp66(const std::vector<uint8_t> &frame,
                                     const FrameMeta &meta, int packetSize)
{
    std::vector<Datagram> out;
    if (frame.empty() || packetSize <= 0 || packetSize > 0xFFFF)
        return out;
    const size_t size = static_cast<size_t>(packetSize);
    const size_t packets = std::min<size_t>((frame.size() + size - 1) / size, 0xFFFF);
    out.reserve(packets);
    for (size_t index = 0; index < packets; ++index) {
        const size_t offset = index * size;
        const size_t payload = std::min(size, frame.size() - offset);
        Datagram d(kUdp66HeaderBytes + payload, 0);
        d[0] = 0x66;
        d[2] = meta.kind;
        d[3] = static_cast<uint8_t>(meta.counter);
        putLe32(&d[4], static_cast<uint32_t>(frame.size()));
        putLe16(&d[8], meta.width);
        putLe16(&d[10], meta.height);
        putLe16(&d[12], static_cast<uint32_t>(index));
        putLe16(&d[14], static_cast<uint32_t>(payload));
        putLe32(&d[16], meta.tilt);
        putLe32(&d[20], meta.counter);
        std::memcpy(&d[kUdp66HeaderBytes], frame.data() + offset, payload);
        out.push_back(std::move(d));
    }
    return out;
}

} // namespace camsim
