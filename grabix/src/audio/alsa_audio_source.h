// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_ALSA_AUDIO_SOURCE_H
#define GRABIX_ALSA_AUDIO_SOURCE_H

// Sound from an ALSA capture device as mono 16-bit 44100 Hz PCM (ALSA
// converts whatever the device delivers). An overrun — the device's buffer
// of half a second filled while the recorder was busy — loses that sound,
// is counted, and capture goes on.

#include "audio/audio_source.h"

// The header declares snd_lib_error_set_local outside its extern "C"
// block; included inside one, the declaration gets the C name it has.
extern "C" {
#include <alsa/asoundlib.h>
}

#include <memory>
#include <string>

namespace grabix {

class AlsaAudioSource : public AudioSource {
public:
    // Null with the reason when the device does not exist or refuses the
    // format. ALSA's own complaints are kept off standard error: the caller
    // reports the reason once.
    static std::unique_ptr<AlsaAudioSource> open(const std::string &device, std::string &why);
    ~AlsaAudioSource() override;

    AudioFormat format() const override { return AudioFormat{}; }
    long read(std::uint8_t *buffer, std::size_t capacity, std::string &why) override;

    unsigned overruns() const { return overruns_; }

private:
    explicit AlsaAudioSource(snd_pcm_t *pcm) : pcm_(pcm) {}

    snd_pcm_t *pcm_;
    unsigned overruns_ = 0;
};

} // namespace grabix

#endif
