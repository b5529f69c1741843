// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FUZZ_STREAM_SUPPORT_H
#define FUZZ_STREAM_SUPPORT_H

// Shared by the stream fuzz targets: cutting the input into datagrams or
// chunks, and a sink that checks every frame it is handed.

#include "qv_camera.h"
#include "stream/frame_sink.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fuzzstream {

// The receiver's diagnostics would only slow the fuzzer down.
inline void silenceDiagnostics()
{
    static bool done = (std::freopen("/dev/null", "w", stdout), true);
    (void)done;
}

// Frame buffers of the UDP reassemblers while fuzzing: small, so inputs
// reach the buffer limits and each run stays cheap.
constexpr size_t kFuzzFrameBuffer = 0x10000;

// Each piece is a 2-byte little-endian length followed by that many bytes
// (cut short at the end of the input).
template <typename Visit>
void forEachPiece(const uint8_t *data, size_t size, size_t maxPiece, Visit visit)
{
    size_t at = 0;
    while (at + 2 <= size) {
        size_t want = (static_cast<size_t>(data[at]) | (static_cast<size_t>(data[at + 1]) << 8)) % (maxPiece + 1);
        at += 2;
        size_t n = want < size - at ? want : size - at;
        visit(data + at, n);
        at += n;
    }
}

// Reads every byte of every frame (so the sanitizers see any bad range) and
// aborts on a frame the caller's buffer could not hold.
class CheckingSink : public qv::FrameSink {
public:
    void setTiltWord(uint32_t word) override { checksum += word; }
    void deliverVideo(const qv::VideoFrame &f) override { check(f.bytes, f.length); }
    void deliverUnchanged(const uint8_t *bytes, int32_t length, int32_t) override { check(bytes, length); }

    std::vector<std::vector<uint8_t>> frames;
    uint64_t checksum = 0;
    bool keepFrames = false;

private:
    void check(const uint8_t *bytes, int32_t length)
    {
        if (!bytes || length <= 0 || length > QV_MAX_FRAME_BYTES)
            std::abort();
        for (int32_t i = 0; i < length; ++i)
            checksum += bytes[i];
        if (keepFrames)
            frames.emplace_back(bytes, bytes + length);
    }
};

} // namespace fuzzstream

#endif
