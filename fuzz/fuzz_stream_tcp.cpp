// SPDX-License-Identifier: GPL-3.0-or-later

// The TCP byte stream through the boundary parser and record decoder. Besides
// surviving any input, cutting the same bytes into different chunks must
// give the same frames.

#include "fuzz_stream_support.h"
#include "stream/boundary_parser.h"
#include "stream/record_decoder.h"

#include <cstdlib>

namespace {

// Small enough that the fuzzer reaches the overflow path easily.
constexpr size_t kCapacity = 4096;

struct Pipeline {
    fuzzstream::CheckingSink sink;
    qv::RecordDecoder decoder{sink};
    qv::BoundaryParser parser{[this](uint8_t *r, size_t n) { decoder.decode(r, n); }, kCapacity};
    Pipeline() { sink.keepFrames = true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzstream::silenceDiagnostics();
    Pipeline chunked;
    std::vector<uint8_t> whole;
    fuzzstream::forEachPiece(data, size, 0x8000, [&](const uint8_t *p, size_t n) {
        chunked.parser.feed(p, n);
        whole.insert(whole.end(), p, p + n);
    });
    Pipeline inOne;
    inOne.parser.feed(whole.data(), whole.size());
    if (chunked.sink.frames != inOne.sink.frames)
        std::abort();
    return 0;
}
