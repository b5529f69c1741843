#ifndef RECORDER_TEST_MEDIA_PROBE_H
#define RECORDER_TEST_MEDIA_PROBE_H

// Checks a recorded file with the system's media tools (ffprobe, ffmpeg):
// the file must open, hold the expected streams, and decode without errors.

#include <string>

struct VideoProbe {
    bool ran = false;          // the tool could be started at all
    std::string codec;         // e.g. "mjpeg"
    long framesRead = -1;      // frames the demuxer delivered
    std::string decodeErrors;  // whatever a full decode printed at level error
};

enum class DecodeScope {
    AllStreams,
    // The audio headers carry the rate word 65536 * 1000 / 8 as bytes per
    // second, which does not match the PCM actually stored; players that
    // time audio from it complain about its timestamps, so files with many
    // audio chunks are decoded for their video only.
    VideoOnly,
};

VideoProbe probeVideo(const std::string &path, DecodeScope scope = DecodeScope::AllStreams);

// Codec name of the first audio stream, empty when there is none.
std::string probeAudioCodec(const std::string &path);

// Output of a full decode of every stream (empty when clean).
std::string decodeErrors(const std::string &path, DecodeScope scope = DecodeScope::AllStreams);

// True when path is a playable Motion-JPEG AVI with frames video frames that
// all decode; otherwise gtest failures describe what is wrong.
void expectPlayableMjpeg(const std::string &path, long frames,
                         DecodeScope scope = DecodeScope::AllStreams);

#endif
