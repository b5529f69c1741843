// SPDX-License-Identifier: GPL-3.0-or-later

// Type-3 (and any other non-0x66) datagrams through the UDP frame assembler,
// including the packet size tracking they drive.

#include "fuzz_stream_support.h"
#include "stream/udp_frame_assembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzstream::silenceDiagnostics();
    fuzzstream::CheckingSink sink;
    qv::UdpFrameAssembler assembler(sink, fuzzstream::kFuzzFrameBuffer);
    fuzzstream::forEachPiece(data, size, 3151, [&](const uint8_t *p, size_t n) {
        assembler.feed(p, n);
    });
    return 0;
}
