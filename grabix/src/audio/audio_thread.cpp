// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/audio_thread.h"

#include <cstdio>
#include <pthread.h>

namespace grabix {

namespace {

std::size_t tenthOfASecond(const AudioFormat &f)
{
    const int frameBytes = f.channels * ((f.bitsPerSample + 7) / 8);
    const int frames = f.sampleRate / 10;
    return static_cast<std::size_t>(frameBytes > 0 && frames > 0 ? frameBytes * frames : 4096);
}

} // namespace

AudioThread::AudioThread(AudioSource &source, MediaSink &sink)
    : source_(source), sink_(sink), buffer_(tenthOfASecond(source.format()))
{
}

AudioThread::~AudioThread()
{
    stop();
}

void AudioThread::start()
{
    thread_ = std::thread([this] { run(); });
}

void AudioThread::stop()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void AudioThread::run()
{
    pthread_setname_np(pthread_self(), "grabix-audio");
    while (!stopping_) {
        std::string why;
        const long got = source_.read(buffer_.data(), buffer_.size(), why);
        if (got < 0) {
            failure_ = why;
            std::fprintf(stderr, "grabix: %s; the recording goes on without sound\n", why.c_str());
            return;
        }
        if (got > 0) {
            sink_.addAudio(buffer_.data(), static_cast<std::size_t>(got));
            bytes_ += static_cast<std::uint64_t>(got);
        }
    }
}

} // namespace grabix
