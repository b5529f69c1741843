// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_RECORDING_H
#define GRABIX_RECORDING_H

// One screen recording from start to stop: the X connection and grabber,
// the frame queue, the file, and the capture, encode and audio threads.
//
// Thread rules: start() and stop() run on the owner's thread, which starts
// and joins all three threads (see grabix.h for what each does and what
// crosses between them). stop() returns once every thread has ended and the
// file is finished. The X connection belongs to the capture thread, which
// closes it when it ends.

#include "audio/audio_source.h"
#include "audio/audio_thread.h"
#include "capture/capture_thread.h"
#include "capture/frame_queue.h"
#include "capture/screen_grabber.h"
#include "capture/x_display.h"
#include "encode/encode_thread.h"
#include "record/avi_recorder_sink.h"
#include "session/failure.h"
#include "session/recording_settings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace grabix {

// Opens the sound source of a recording; null with the reason when there is
// none. The default opens ALSA's "default" capture device.
using AudioOpener = std::function<std::unique_ptr<AudioSource>(std::string &why)>;

struct RecordingStats {
    ScreenRect rect;             // the rectangle actually recorded
    bool sharedMemory = false;   // captured through MIT-SHM
    bool sound = false;          // an audio track is being recorded
    std::uint64_t captured = 0;  // frames read from the screen
    std::uint64_t dropped = 0;   // of those, dropped because the encoder fell behind
    std::uint64_t encoded = 0;   // frames handed to the recorder
    std::uint64_t audioBytes = 0;
};

class Recording {
public:
    static constexpr std::size_t kQueuedFrames = 3;

    // Null with the failure (already printed) when the recording cannot
    // start; no file is left behind then.
    static std::unique_ptr<Recording> start(const RecordingSettings &settings, Failure &failure,
                                            AudioOpener openAudio = {});
    ~Recording();
    Recording(const Recording &) = delete;
    Recording &operator=(const Recording &) = delete;

    // Ends the recording; the failure (already printed) when the file is
    // not complete or capture ended early. Later calls return no failure.
    Failure stop();

    // Counters: complete after stop().
    RecordingStats stats() const;

private:
    Recording(std::string path, std::unique_ptr<XDisplay> display,
              std::unique_ptr<ScreenGrabber> grabber, std::unique_ptr<AudioSource> audio,
              std::unique_ptr<AviRecorderSink> sink, int frameRate);
    void startThreads();
    void joinThreads();

    const std::string path_;
    std::unique_ptr<AudioSource> audioSource_;
    std::unique_ptr<AviRecorderSink> sink_;
    FrameQueue queue_;
    CaptureThread capture_;
    EncodeThread encoder_;
    std::unique_ptr<AudioThread> audio_;
    RecordingStats stats_;
    bool stopped_ = false;
};

} // namespace grabix

#endif
