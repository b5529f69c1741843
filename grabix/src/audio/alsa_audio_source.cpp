// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/alsa_audio_source.h"

#include <cstdarg>

namespace grabix {

namespace {

constexpr unsigned kLatencyMicroseconds = 500000;
constexpr int kWaitMilliseconds = 100;

void quiet(const char *, int, const char *, int, const char *, va_list) {}

// ALSA prints its configuration errors for a missing card itself; for this
// thread, while the device is opened, they are dropped.
class QuietAlsa {
public:
    QuietAlsa() : previous_(snd_lib_error_set_local(quiet)) {}
    ~QuietAlsa() { snd_lib_error_set_local(previous_); }

private:
    snd_local_error_handler_t previous_;
};

std::string describe(const std::string &device, const char *step, int error)
{
    return "sound capture device \"" + device + "\": " + step + ": " + snd_strerror(error);
}

} // namespace

std::unique_ptr<AlsaAudioSource> AlsaAudioSource::open(const std::string &device, std::string &why)
{
    QuietAlsa quietAlsa;
    snd_pcm_t *pcm = nullptr;
    int error = snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_CAPTURE, 0);
    if (error < 0) {
        why = describe(device, "cannot open", error);
        return nullptr;
    }
    const AudioFormat format;
    error = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                               static_cast<unsigned>(format.channels),
                               static_cast<unsigned>(format.sampleRate), 1, kLatencyMicroseconds);
    if (error >= 0)
        error = snd_pcm_start(pcm);
    if (error < 0) {
        why = describe(device, "cannot record mono 16-bit 44100 Hz", error);
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::unique_ptr<AlsaAudioSource>(new AlsaAudioSource(pcm));
}

AlsaAudioSource::~AlsaAudioSource()
{
    snd_pcm_close(pcm_);
}

long AlsaAudioSource::read(std::uint8_t *buffer, std::size_t capacity, std::string &why)
{
    const AudioFormat f = format();
    const std::size_t frameBytes = static_cast<std::size_t>(f.channels * f.bitsPerSample / 8);
    const snd_pcm_uframes_t wanted = capacity / frameBytes;
    int ready = snd_pcm_wait(pcm_, kWaitMilliseconds);
    if (ready == 0)
        return 0;
    snd_pcm_sframes_t got = ready < 0 ? ready : snd_pcm_readi(pcm_, buffer, wanted);
    if (got == -EAGAIN)
        return 0;
    if (got < 0) {
        if (got == -EPIPE)
            ++overruns_;
        // Overrun or suspend: recover() restarts the device when it can.
        if (snd_pcm_recover(pcm_, static_cast<int>(got), 1) == 0 && snd_pcm_start(pcm_) >= 0)
            return 0;
        why = "sound capture failed: " + std::string(snd_strerror(static_cast<int>(got)));
        return -1;
    }
    return static_cast<long>(static_cast<std::size_t>(got) * frameBytes);
}

} // namespace grabix
