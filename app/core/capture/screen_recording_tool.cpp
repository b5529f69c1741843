// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/screen_recording_tool.h"

#include "core/capture/grabix_params.h"
#include "core/capture/microphone_switch.h"
#include "core/capture/recording_clock.h"
#include "core/main_window/status_banner.h"
#include "core/startup/app_settings.h"
#include "core/startup/file_naming.h"

ScreenRecordingTool::ScreenRecordingTool(Parts parts) : parts_(std::move(parts))
{
}

void ScreenRecordingTool::switchTo(bool on)
{
    if (on && !recording_.running())
        start();
    else if (!on && recording_.running())
        stop();
}

void ScreenRecordingTool::start()
{
    if (!parts_.onLivePage()) {
        parts_.banner->showFail(tr("Recording works on the live picture only."));
        parts_.switchButtonOff();
        return;
    }
    const QString path = makeVideoPath();
    const bool sound = readSetting(QLatin1String(MicrophoneSwitch::kSetting)).toInt() != 0;
    const ScreenRecording::Problem problem = recording_.start(path, parts_.area(), sound);
    if (problem != ScreenRecording::Problem::None) {
        parts_.banner->showFail(whyNotStarted(problem, path));
        parts_.switchButtonOff();
        return;
    }
    parts_.clock->start(parts_.clockPlace);
}

QString ScreenRecordingTool::whyNotStarted(ScreenRecording::Problem problem, const QString &path) const
{
    switch (problem) {
    case ScreenRecording::Problem::PathTooLong:
        return tr("The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.")
            .arg(path)
            .arg(kGrabixPathBytes);
    case ScreenRecording::Problem::NoScreen:
        return tr("The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).");
    case ScreenRecording::Problem::FileCreate:
        return tr("The screen recording could not start: %1 cannot be created.").arg(path);
    default:
        return tr("The screen recording could not start (grabix error %1).").arg(recording_.grabixError());
    }
}

void ScreenRecordingTool::stop()
{
    const QString path = recording_.path();
    const ScreenRecording::Problem problem = recording_.stop();
    parts_.clock->stop();
    switch (problem) {
    case ScreenRecording::Problem::None:
        // The program's fixed wording, not translated.
        parts_.banner->showOk(QStringLiteral("Screen Recording successfully saved to [") + path
                              + QStringLiteral("]"));
        break;
    case ScreenRecording::Problem::ScreenLost:
        parts_.banner->showFail(tr("The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.")
                                    .arg(path));
        break;
    default:
        parts_.banner->showFail(tr("The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.")
                                    .arg(path));
        break;
    }
}
