// SPDX-License-Identifier: GPL-3.0-or-later

// 0x66 packets from the network into the reassembler: any sequence of
// datagrams must leave it sound.

#include "fuzz_stream_support.h"
#include "stream/packet66_reassembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzstream::silenceDiagnostics();
    fuzzstream::CheckingSink sink;
    qv::PacketSizeTracker packetSize;
    qv::Packet66Reassembler reassembler(packetSize, sink, fuzzstream::kFuzzFrameBuffer);
    std::vector<uint8_t> datagram;
    fuzzstream::forEachPiece(data, size, 3151, [&](const uint8_t *p, size_t n) {
        datagram.assign(p, p + n);
        if (!datagram.empty())
            datagram[0] = 0x66; // the dispatcher's promise
        reassembler.feed(datagram.data(), datagram.size());
    });
    return 0;
}
