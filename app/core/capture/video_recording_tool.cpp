// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/video_recording_tool.h"

#include "core/capture/recording_clock.h"
#include "core/live_view/live_view_session.h"
#include "core/main_window/status_banner.h"
#include "core/startup/file_naming.h"
#include "imaging/transforms/view_transforms.h"

VideoRecordingTool::VideoRecordingTool(Parts parts) : parts_(std::move(parts))
{
}

VideoRecordingTool::~VideoRecordingTool()
{
    if (recording_.running()) {
        parts_.live->setKeepFrameBytes(false);
        recording_.stop();
    }
}

void VideoRecordingTool::switchTo(bool on)
{
    if (on && !recording_.running())
        start();
    else if (!on && recording_.running())
        stop();
}

void VideoRecordingTool::start()
{
    if (!parts_.onLivePage()) {
        giveUp(tr("Recording works on the live picture only."));
        return;
    }
    const QString path = makeVideoPath();
    const VideoRecording::Start started =
        recording_.start(path, parts_.view->state(), parts_.live->cameraFrameSize());
    if (started == VideoRecording::Start::Failed) {
        giveUp(tr("The video recording could not start: %1 cannot be created.").arg(path));
        return;
    }
    byteDropsAtStart_ = parts_.live->frameBytesDropped();
    parts_.live->setKeepFrameBytes(true);
    parts_.clock->start(parts_.clockPlace);
    if (started == VideoRecording::Start::AtFirstFrame)
        parts_.banner->showNote(tr("No picture from the camera yet: the recording begins with its first frame."));
}

void VideoRecordingTool::addFrame(const unsigned char *bytes, int size)
{
    if (!recording_.running())
        return;
    if (!recording_.addFrame(bytes, size)) {
        parts_.live->setKeepFrameBytes(false);
        parts_.clock->stop();
        giveUp(tr("The video recording could not start: %1 cannot be created.").arg(recording_.path()));
    }
}

void VideoRecordingTool::stop()
{
    parts_.live->setKeepFrameBytes(false);
    parts_.live->deliverWaitingFrameBytes();
    const VideoRecording::Outcome outcome = recording_.stop();
    parts_.clock->stop();
    const quint64 byteDrops = parts_.live->frameBytesDropped() - byteDropsAtStart_;
    const RecordingReport report = videoRecordingReport(outcome, outcome.framesDropped + byteDrops);
    if (report.ok)
        parts_.banner->showOk(report.text);
    else
        parts_.banner->showFail(report.text);
}

void VideoRecordingTool::giveUp(const QString &why)
{
    parts_.banner->showFail(why);
    parts_.switchButtonOff();
}

RecordingReport videoRecordingReport(const VideoRecording::Outcome &outcome, quint64 framesDropped)
{
    RecordingReport report;
    if (!outcome.fileKept) {
        report.text = VideoRecordingTool::tr("Nothing was recorded: no frame came from the camera.");
        return report;
    }
    switch (outcome.problem) {
    case RecordedFileProblem::None:
        report.ok = true;
        // The program's fixed wording, not translated.
        report.text = QStringLiteral("Video Recording successfully saved to [") + outcome.path
                      + QStringLiteral("]");
        if (framesDropped > 0)
            report.text += QLatin1Char(' ')
                           + VideoRecordingTool::tr("%1 frames are missing: the computer could not keep up with the camera.")
                                 .arg(framesDropped);
        break;
    case RecordedFileProblem::LastFrameMissing:
        report.text = VideoRecordingTool::tr("The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.")
                          .arg(outcome.path);
        break;
    case RecordedFileProblem::NoIndex:
    case RecordedFileProblem::NotFinished:
    case RecordedFileProblem::Unreadable:
        report.text = VideoRecordingTool::tr("The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.")
                          .arg(outcome.path);
        break;
    }
    return report;
}
