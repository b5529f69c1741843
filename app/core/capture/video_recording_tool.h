// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_VIDEO_RECORDING_TOOL_H
#define CORVANE_VIDEO_RECORDING_TOOL_H

// The tool bar's video recording button: starts and stops a
// VideoRecording of the live view, asks the live view for the camera's
// JPEG bytes while it runs, shows the recording clock, and says the
// outcome in the banner:
// - saved, with the number of frames that are missing when the byte path
//   or the reencoder had to drop some;
// - not saved, or saved incomplete, with the reason (the file cannot be
//   created, no frame came, writing failed part-way).
// Recording starts on the live page only; elsewhere, and whenever the
// recording cannot start, the banner says why and the tool bar's button is
// switched back off, so it never shows a recording that does not run.
// Stopping works on every page.
//
// Thread rules: GUI thread only. The parts belong to the window and
// outlive the tool.

#include "core/capture/video_recording.h"

#include <QCoreApplication>
#include <QPoint>

#include <functional>

class LiveViewSession;
class RecordingClock;
class StatusBanner;
class ViewTransforms;

class VideoRecordingTool {
    Q_DECLARE_TR_FUNCTIONS(VideoRecordingTool)

public:
    struct Parts {
        LiveViewSession *live = nullptr;
        const ViewTransforms *view = nullptr;
        RecordingClock *clock = nullptr;
        StatusBanner *banner = nullptr;
        std::function<bool()> onLivePage;
        // Shows the tool bar's record button as off again.
        std::function<void()> switchButtonOff;
        QPoint clockPlace; // window coordinates
    };

    explicit VideoRecordingTool(Parts parts);
    // A running recording is finished (the window is closing).
    ~VideoRecordingTool();

    void switchTo(bool on);
    // The live view's bytes of one frame (frameBytes signal).
    void addFrame(const unsigned char *bytes, int size);

    bool recording() const { return recording_.running(); }
    const VideoRecording &recordingNow() const { return recording_; }

private:
    void start();
    void stop();
    void giveUp(const QString &why);

    Parts parts_;
    VideoRecording recording_;
    quint64 byteDropsAtStart_ = 0;
};

// The banner text for a finished recording, and whether it is a success.
struct RecordingReport {
    bool ok = false;
    QString text;
};
RecordingReport videoRecordingReport(const VideoRecording::Outcome &outcome, quint64 framesDropped);

#endif
