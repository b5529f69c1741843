// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_TEST_RECORDING_PROBE_H
#define GRABIX_TEST_RECORDING_PROBE_H

// Looks at a finished recording with ffprobe and ffmpeg, as a player would.

#include <cstdint>
#include <string>
#include <vector>

struct RecordingInfo {
    std::string videoCodec; // empty when ffprobe found no video
    int width = 0;
    int height = 0;
    long frames = -1;       // frames the demuxer delivered
    std::string audioCodec; // empty when there is no audio stream
};

RecordingInfo probeRecording(const std::string &path);

struct Rgb {
    int r = 0, g = 0, b = 0;
};

// The colour at (x, y) in every video frame, in order, decoded by ffmpeg.
std::vector<Rgb> pixelTrack(const std::string &path, int x, int y);

// Waits (up to 20 s) until the recording at `path` holds data past its
// header, so a test on a loaded machine stops a recording that has frames.
// False when none came.
bool waitForRecordedData(const std::string &path);

// True when every channel is within tolerance of 0xRRGGBB (JPEG is lossy).
bool looksLike(const Rgb &pixel, unsigned long rgb, int tolerance = 40);

#endif
