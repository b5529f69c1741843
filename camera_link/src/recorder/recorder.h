// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_RECORDER_H
#define QV_RECORDER_H

// The recorder behind the QV_...Record exports: turns JPEG frames arriving
// at any rate into a constant-rate Motion-JPEG track (see FramePacer) and
// writes PCM audio chunks as they come, into one AviFile per recording.
//
// Thread rules: the recorder has no thread of its own. Every public call
// takes the recorder's mutex, so video and audio may be added from different
// threads and stop may come from a third. The clock and the storage opener
// are called under that mutex.

#include "recorder/avi_file.h"
#include "recorder/avi_storage.h"
#include "recorder/frame_pacer.h"
#include "recorder/millisecond_clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace qv {

using AviStorageOpener = std::function<std::unique_ptr<AviStorage>(const std::string &path)>;

struct RecorderSeams {
    MillisecondClock clock;        // default: wallClockMilliseconds
    AviStorageOpener openStorage;  // default: PosixFileStorage::open
};

} // namespace qv

struct Recorder {
public:
    explicit Recorder(qv::RecorderSeams seams = {});
    // A recording still running is finished as stop() does.
    ~Recorder();
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    // When fps > 0 the frame interval becomes 1000 / fps milliseconds.
    void setVideoParams(int width, int height, int fps);
    void setAudioParams(int channels, int rate, int bits);

    // True when recording (also when it already was); false when the file
    // cannot be created (or path is null), leaving the recorder idle.
    bool start(const char *path);

    // Ignored unless recording, with non-null data and length >= 0.
    void addVideo(const void *jpeg, int length);
    void addAudio(const void *pcm, int length);

    // Writes the held frame once more and finishes the file; clears both
    // parameter-set flags. 0 when every chunk offered since start is in the
    // finished file (or nothing was recording), -1 otherwise.
    int stop();

    bool recording() const;
    std::int32_t frameIntervalMs() const;
    std::uint32_t nextDueMs() const;

private:
    int stopLocked();

    qv::MillisecondClock clock_;
    qv::AviStorageOpener openStorage_;

    mutable std::mutex mutex_;
    std::unique_ptr<qv::AviFile> file_;
    int width_ = 640;
    int height_ = 480;
    int fps_ = 15;
    int channels_ = 1;
    int sampleRate_ = 8000;
    int bitsPerSample_ = 16;
    bool audioSet_ = false;
    bool recording_ = false;
    bool videoSet_ = false;
    qv::FramePacer pacer_;
    std::vector<std::uint8_t> heldFrame_;
};

#endif
