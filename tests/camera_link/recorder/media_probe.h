// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECORDER_TEST_MEDIA_PROBE_H
#define RECORDER_TEST_MEDIA_PROBE_H

// Checks a recorded file with the system's media tools (ffprobe, ffmpeg):
// the file must open, hold the expected streams, and decode without errors.

#include <string>

struct VideoProbe {
    std::string codec;    // e.g. "mjpeg"; empty when ffprobe could not run
    long framesRead = -1; // frames the demuxer delivered
};

VideoProbe probeVideo(const std::string &path);

// Codec name of the first audio stream, empty when there is none.
std::string probeAudioCodec(const std::string &path);

// Output of a full decode of every stream (empty when clean).
std::string decodeErrors(const std::string &path);

// Expects path to be a Motion-JPEG AVI with frames video frames that all
// decode; gtest failures describe what is wrong.
void expectPlayableMjpeg(const std::string &path, long frames);

#endif
