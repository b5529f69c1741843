// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CAMERA_SILENCE_WATCH_H
#define CORVANE_CAMERA_SILENCE_WATCH_H

// Decides when the camera counts as not answering: no frame for 2 s, or no
// frame in the first 2 s after the live view started (a wrong address, a
// camera that is off). It answers with the next frame: for the first time
// since the start, or again after it had answered before.
//
// The watch is fed by polling: the total number of frames taken from the
// camera so far and the time of the poll. A count that moved means frames
// arrived since the last poll. Times come from the caller, so the decision
// can be tested with a clock under the test's control.
//
// Thread rules: none of its own; the live-view session uses it on the GUI
// thread.

#include <QtGlobal>

class CameraSilenceWatch {
public:
    enum class Change { None, WentSilent, FirstAnswer, AnswersAgain };

    static constexpr qint64 kSilenceMs = 2000;

    // A new live view starts at this time with this frame count.
    void restart(qint64 nowMs, quint64 frameCount);
    Change observe(qint64 nowMs, quint64 frameCount);

    bool silent() const { return silent_; }
    bool everAnswered() const { return everAnswered_; }

private:
    qint64 lastArrivalMs_ = 0; // or the start, before the first frame
    quint64 lastCount_ = 0;
    bool silent_ = false;
    bool everAnswered_ = false;
};

#endif
