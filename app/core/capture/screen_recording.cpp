// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/screen_recording.h"

#include "core/capture/grabix_params.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "grabix.h"

ScreenRecording::~ScreenRecording()
{
    if (handle_)
        stop();
}

ScreenRecording::Problem ScreenRecording::problemFor(int grabixError)
{
    switch (grabixError) {
    case GRABIX_OK: return Problem::None;
    case GRABIX_ERR_NO_SCREEN: return Problem::NoScreen;
    case GRABIX_ERR_PATH:
    case GRABIX_ERR_FILE_CREATE: return Problem::FileCreate;
    case GRABIX_ERR_FILE_WRITE: return Problem::FileWrite;
    case GRABIX_ERR_SCREEN_LOST: return Problem::ScreenLost;
    default: return Problem::Failed;
    }
}

ScreenRecording::Problem ScreenRecording::start(const QString &path, const QRect &area, bool audio)
{
    if (handle_)
        return Problem::Failed;
    path_ = path;
    lastError_ = GRABIX_OK;
    GrabixParams params;
    if (!fillGrabixParams(&params, QFile::encodeName(path), audio, area))
        return Problem::PathTooLong;
    QDir().mkpath(QFileInfo(path).absolutePath());

    grabix_Init();
    handle_ = grabix_CreateGrabix();
    if (!handle_) {
        lastError_ = GRABIX_ERR_INTERNAL;
        return Problem::Failed;
    }
    grabix_PreCap(handle_, &params); // grabix keeps its own copy
    grabix_Start(handle_);
    lastError_ = grabix_LastError(handle_);
    if (lastError_ != GRABIX_OK) {
        grabix_DestroyGrabix(handle_);
        handle_ = nullptr;
    }
    return problemFor(lastError_);
}

ScreenRecording::Problem ScreenRecording::stop()
{
    if (!handle_)
        return Problem::None;
    grabix_Stop(handle_);
    lastError_ = grabix_LastError(handle_);
    grabix_DestroyGrabix(handle_);
    handle_ = nullptr;
    return problemFor(lastError_);
}
