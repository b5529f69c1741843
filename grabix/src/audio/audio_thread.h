// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_AUDIO_THREAD_H
#define GRABIX_AUDIO_THREAD_H

// The audio thread: reads sound from the source in pieces of about a tenth
// of a second and adds each piece to the sink as it comes.
//
// Thread rules: the owning recording calls start() and stop() (which joins,
// within about a tenth of a second: the source's read never waits longer).
// While it runs the thread is the only reader of the source. A source that
// fails ends the thread; its reason is printed once and the recording goes
// on without sound. The counters are read by the owner after stop().

#include "audio/audio_source.h"
#include "record/media_sink.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace grabix {

class AudioThread {
public:
    AudioThread(AudioSource &source, MediaSink &sink);
    ~AudioThread();
    AudioThread(const AudioThread &) = delete;
    AudioThread &operator=(const AudioThread &) = delete;

    void start();
    void stop();

    // Valid after stop().
    std::uint64_t bytesDelivered() const { return bytes_; }
    const std::string &failure() const { return failure_; }

private:
    void run();

    AudioSource &source_;
    MediaSink &sink_;
    std::vector<std::uint8_t> buffer_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    std::uint64_t bytes_ = 0;
    std::string failure_;
};

} // namespace grabix

#endif
