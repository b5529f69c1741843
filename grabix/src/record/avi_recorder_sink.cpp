// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/avi_recorder_sink.h"

#include "record/finished_avi_check.h"

#include <climits>

namespace grabix {

std::unique_ptr<AviRecorderSink> AviRecorderSink::create(const std::string &path, int width,
                                                         int height, int frameRate,
                                                         const AudioFormat *audio)
{
    Recorder *recorder = QV_InitRecord();
    if (!recorder)
        return nullptr;
    QV_SetVideoParams(recorder, width, height, frameRate);
    if (audio)
        QV_SetAudioParams(recorder, audio->channels, audio->sampleRate, audio->bitsPerSample);
    if (!QV_StartRecord(recorder, path.c_str())) {
        QV_DeInitRecord(recorder);
        return nullptr;
    }
    return std::unique_ptr<AviRecorderSink>(new AviRecorderSink(recorder, path));
}

AviRecorderSink::~AviRecorderSink()
{
    finish();
}

void AviRecorderSink::addVideo(const std::uint8_t *jpeg, std::size_t size)
{
    if (size <= INT_MAX)
        QV_AddVideoData(recorder_, jpeg, static_cast<int>(size));
}

void AviRecorderSink::addAudio(const std::uint8_t *pcm, std::size_t size)
{
    if (size <= INT_MAX)
        QV_AddAudioData(recorder_, pcm, static_cast<int>(size));
}

std::string AviRecorderSink::finish()
{
    if (!recorder_)
        return {};
    QV_StopRecord(recorder_);
    QV_DeInitRecord(recorder_);
    recorder_ = nullptr;
    return problemWithFinishedAviFile(path_);
}

} // namespace grabix
