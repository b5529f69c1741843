// SPDX-License-Identifier: LGPL-2.1-or-later

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "recorder/recorder.h"

extern "C" {

QV_API Recorder *QV_InitRecord(void)
{
    return qv::guarded(static_cast<Recorder *>(nullptr), [] { return new Recorder(); });
}

QV_API void QV_DeInitRecord(Recorder *recorder)
{
    qv::guardedVoid([&] { delete recorder; });
}

QV_API void QV_SetVideoParams(Recorder *recorder, int width, int height, int fps)
{
    qv::guardedVoid([&] {
        if (recorder)
            recorder->setVideoParams(width, height, fps);
    });
}

QV_API void QV_SetAudioParams(Recorder *recorder, int channels, int rate, int bits)
{
    qv::guardedVoid([&] {
        if (recorder)
            recorder->setAudioParams(channels, rate, bits);
    });
}

QV_API unsigned char QV_StartRecord(Recorder *recorder, const char *path)
{
    return qv::guarded(static_cast<unsigned char>(0), [&]() -> unsigned char {
        return recorder && recorder->start(path) ? 1 : 0;
    });
}

QV_API void QV_AddVideoData(Recorder *recorder, const void *jpeg, int length)
{
    qv::guardedVoid([&] {
        if (recorder)
            recorder->addVideo(jpeg, length);
    });
}

QV_API void QV_AddAudioData(Recorder *recorder, const void *pcm, int length)
{
    qv::guardedVoid([&] {
        if (recorder)
            recorder->addAudio(pcm, length);
    });
}

QV_API void QV_StopRecord(Recorder *recorder)
{
    qv::guardedVoid([&] {
        if (recorder)
            recorder->stop();
    });
}

} // extern "C"
