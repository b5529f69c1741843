// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_udp3_packetizer.h"

#include <algorithm>
#include <cstring>

namespace camsim {

uint32_t invertedBytePosition(uint32_t seed, uint32_t n)
{
    if (n == 0)
        return 0;
    // Unsigned 32-bit arithmetic wraps exactly like the camera's.
    const uint32_t bump = (n % 2 == 1) ? n : n + 1u;
    return (((seed ^ n) + bump) ^ n) % n;
}

std::vector<Datagram> packetizeUdp3(const std::vector<uint8_t> &frame,
                                    const FrameMeta &meta, int packetSize,
                                    bool scrambleByte)
{
    std::vector<Datagram> out;
    if (frame.empty() || packetSize <= 0 || packetSize > 0xFFFF)
        return out;
    const size_t size = static_cast<size_t>(packetSize);
    const size_t packets = std::min<size_t>((frame.size() + size - 1) / size, 0xFFFF);
    const uint32_t total = static_cast<uint32_t>(frame.size());
    const size_t flipAt = scrambleByte ? invertedBytePosition(meta.counter, total) : frame.size();

    out.reserve(packets);
    for (size_t i = 0; i < packets; ++i) {
        const size_t offset = i * size;
        const size_t payload = std::min(size, frame.size() - offset);
        Datagram d(kUdp3HeaderBytes + payload, 0);
        putLe16(&d[2], 3);
        putLe32(&d[8], meta.tilt);
        putLe32(&d[16], scrambleByte ? 0u : 1u);
        d[24] = meta.kind;
        putLe32(&d[25], meta.counter);
        putLe32(&d[29], total);
        putLe16(&d[33], static_cast<uint32_t>(i + 1));
        putLe16(&d[35], static_cast<uint32_t>(packets));
        putLe16(&d[37], static_cast<uint32_t>(payload));
        putLe32(&d[39], meta.counter);
        putLe16(&d[43], meta.width);
        putLe16(&d[45], meta.height);
        putLe32(&d[47], meta.counter);
        std::memcpy(&d[kUdp3HeaderBytes], frame.data() + offset, payload);
        if (flipAt >= offset && flipAt < offset + payload)
            d[kUdp3HeaderBytes + (flipAt - offset)] ^= 0xFF;
        out.push_back(std::move(d));
    }
    return out;
}

} // namespace camsim
