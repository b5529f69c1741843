// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_AVI_RECORDER_SINK_H
#define GRABIX_AVI_RECORDER_SINK_H

// The recording's file: a Motion-JPEG AVI written by qv_camera's recorder,
// which paces the frames to a constant rate (repeating the last frame when
// capture falls behind, skipping when frames come too fast) and takes PCM
// sound into an audio track.
//
// Thread rules: created and finished by the recording's owner; addVideo()
// and addAudio() come from the encode and audio threads, ordered by the
// recorder's own lock. finish() is called after both threads have ended.

#include "audio/audio_source.h"
#include "record/media_sink.h"

#include "qv_camera.h"

#include <memory>
#include <string>

namespace grabix {

class AviRecorderSink : public MediaSink {
public:
    // Null when the file cannot be created. audio null: video only.
    static std::unique_ptr<AviRecorderSink> create(const std::string &path, int width, int height,
                                                   int frameRate, const AudioFormat *audio);
    // Finishes the file if finish() was not called.
    ~AviRecorderSink() override;
    AviRecorderSink(const AviRecorderSink &) = delete;
    AviRecorderSink &operator=(const AviRecorderSink &) = delete;

    void addVideo(const std::uint8_t *jpeg, std::size_t size) override;
    void addAudio(const std::uint8_t *pcm, std::size_t size) override;

    // Writes the index and the final header and checks the result: empty
    // when the file is complete, else what is wrong. Later calls do
    // nothing and return empty.
    std::string finish();

private:
    AviRecorderSink(Recorder *recorder, std::string path) : recorder_(recorder), path_(std::move(path)) {}

    Recorder *recorder_;
    const std::string path_;
};

} // namespace grabix

#endif
