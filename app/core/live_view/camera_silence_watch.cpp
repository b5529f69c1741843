// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/camera_silence_watch.h"

void CameraSilenceWatch::restart(qint64 nowMs, quint64 frameCount)
{
    lastArrivalMs_ = nowMs;
    lastCount_ = frameCount;
    silent_ = false;
    everAnswered_ = false;
}

CameraSilenceWatch::Change CameraSilenceWatch::observe(qint64 nowMs, quint64 frameCount)
{
    if (frameCount != lastCount_) {
        lastCount_ = frameCount;
        lastArrivalMs_ = nowMs;
        const bool answeredBefore = everAnswered_;
        everAnswered_ = true;
        if (silent_) {
            silent_ = false;
            return answeredBefore ? Change::AnswersAgain : Change::FirstAnswer;
        }
        return Change::None;
    }
    if (!silent_ && nowMs - lastArrivalMs_ >= kSilenceMs) {
        silent_ = true;
        return Change::WentSilent;
    }
    return Change::None;
}
