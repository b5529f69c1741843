// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_AUDIO_SOURCE_H
#define GRABIX_AUDIO_SOURCE_H

// A source of interleaved little-endian PCM sound: the microphone, or a
// stand-in for tests.
//
// Thread rules: opened by the recording's owner, then read by the audio
// thread only, and destroyed by the owner after that thread has ended.

#include <cstddef>
#include <cstdint>
#include <string>

namespace grabix {

struct AudioFormat {
    int channels = 1;
    int sampleRate = 44100;
    int bitsPerSample = 16;
};

class AudioSource {
public:
    virtual ~AudioSource() = default;
    virtual AudioFormat format() const = 0;

    // Waits at most about a tenth of a second for sound; returns the bytes
    // stored (a whole number of frames, at most capacity), 0 when none came
    // in that time, or -1 with the reason when the source failed for good.
    virtual long read(std::uint8_t *buffer, std::size_t capacity, std::string &why) = 0;
};

} // namespace grabix

#endif
