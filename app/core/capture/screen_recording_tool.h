// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCREEN_RECORDING_TOOL_H
#define CORVANE_SCREEN_RECORDING_TOOL_H

// The tool bar's screen recording button: records the screen above the
// banner strip (the window's width by the picture area's height, in screen
// pixels) with grabix, with sound when the microphone switch is on, shows
// the recording clock, and says the outcome in the banner. When recording
// cannot start (no X screen, the file name too long for grabix, the file
// cannot be created, not on the live page) the banner says why and the
// tool bar's button is switched back off. A recording whose file could not
// be finished is reported as such, never as saved.
//
// Thread rules: GUI thread only. The parts belong to the window and
// outlive the tool.

#include "core/capture/screen_recording.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>

#include <functional>

class RecordingClock;
class StatusBanner;

class ScreenRecordingTool {
    Q_DECLARE_TR_FUNCTIONS(ScreenRecordingTool)

public:
    struct Parts {
        RecordingClock *clock = nullptr;
        StatusBanner *banner = nullptr;
        std::function<bool()> onLivePage;
        std::function<void()> switchButtonOff;
        // The rectangle recorded, in screen pixels, asked at each start.
        std::function<QRect()> area;
        QPoint clockPlace; // window coordinates
    };

    explicit ScreenRecordingTool(Parts parts);

    void switchTo(bool on);
    bool recording() const { return recording_.running(); }
    const ScreenRecording &recordingNow() const { return recording_; }

private:
    void start();
    void stop();
    QString whyNotStarted(ScreenRecording::Problem problem, const QString &path) const;

    Parts parts_;
    ScreenRecording recording_;
};

#endif
