// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTS_RECORDING_SINK_H
#define TESTS_RECORDING_SINK_H

// A frame sink that keeps copies of everything the parsers hand it.

#include "stream/frame_sink.h"

#include <cstdint>
#include <vector>

struct RecordedFrame {
    std::vector<uint8_t> bytes;
    int32_t kind = 0;
    uint64_t info = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool unchanged = false; // came through deliverUnchanged
};

class RecordingSink : public qv::FrameSink {
public:
    void setTiltWord(uint32_t word) override { tiltWords.push_back(word); }
    void deliverVideo(const qv::VideoFrame &f) override
    {
        frames.push_back({std::vector<uint8_t>(f.bytes, f.bytes + f.length), f.kind, f.info,
                          f.width, f.height, false});
    }
    void deliverUnchanged(const uint8_t *bytes, int32_t length, int32_t kind) override
    {
        frames.push_back({std::vector<uint8_t>(bytes, bytes + length), kind, 0, 0, 0, true});
    }

    std::vector<RecordedFrame> frames;
    std::vector<uint32_t> tiltWords;
};

#endif
