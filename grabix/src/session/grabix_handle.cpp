// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/grabix_handle.h"

#include "session/recording_settings.h"

#include <exception>
#include <string>

void Grabix::preCap(const GrabixParams *params)
{
    if (params)
        params_ = *params;
    else
        params_.reset();
}

void Grabix::start()
{
    if (recording_)
        return;
    try {
        startRecording();
    } catch (const std::exception &e) {
        recording_.reset();
        lastError_ = {GRABIX_ERR_INTERNAL, std::string("cannot start: ") + e.what()};
        grabix::report(lastError_);
    }
}

void Grabix::startRecording()
{
    if (!params_) {
        lastError_ = {GRABIX_ERR_PARAMS, "Start without parameters: call grabix_PreCap first"};
        grabix::report(lastError_);
        return;
    }
    grabix::RecordingSettings settings;
    grabix::Failure failure = grabix::readSettings(*params_, settings);
    if (failure.failed()) {
        lastError_ = failure;
        grabix::report(lastError_);
        return;
    }
    recording_ = grabix::Recording::start(settings, failure);
    lastError_ = failure;
}

void Grabix::stop()
{
    if (!recording_)
        return;
    try {
        lastError_ = recording_->stop();
    } catch (const std::exception &e) {
        lastError_ = {GRABIX_ERR_INTERNAL, std::string("cannot finish: ") + e.what()};
        grabix::report(lastError_);
    }
    recording_.reset();
}

Grabix::~Grabix()
{
    stop();
}
