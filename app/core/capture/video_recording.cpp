// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/video_recording.h"

#include "core/capture/frame_reencoder.h"
#include "imaging/transforms/view_transform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr long long kFrameIntervalMs = 1000 / VideoRecording::kFrameRate;
// Frames closer together than this are more than the recording takes.
constexpr long long kThinningMs = kFrameIntervalMs * 3 / 4;

QSize recordedSize(const QSize &cameraSize, const ViewState &view)
{
    return zoomCutOut(turnedSize(cameraSize, view.rotationStep), view.liveZoom).size();
}

} // namespace

VideoRecording::VideoRecording(MillisecondsClock clock) : clock_(std::move(clock))
{
}

VideoRecording::~VideoRecording()
{
    if (running_)
        stop();
}

VideoRecording::Start VideoRecording::start(const QString &path, const ViewState &view,
                                            const QSize &cameraSize)
{
    if (running_)
        return Start::Failed;
    path_ = path;
    view_ = view;
    direct_ = 0;
    unreadable_ = 0;
    queuedAny_ = false;
    lastDirect_.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!cameraSize.isValid() || cameraSize.isEmpty()) {
        // Whether the file can be made at all is known now, not only when
        // the camera answers: try the name, and leave nothing behind.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return Start::Failed;
        probe.close();
        probe.remove();
        running_ = true;
        return Start::AtFirstFrame;
    }
    if (!open(cameraSize))
        return Start::Failed;
    running_ = true;
    return Start::Now;
}

bool VideoRecording::open(const QSize &cameraSize)
{
    cameraSize_ = cameraSize;
    declared_ = view_.isIdentity() ? cameraSize : recordedSize(cameraSize, view_);
    recorder_ = QV_InitRecord();
    if (!recorder_)
        return false;
    // Video only: the camera has no sound, and an empty sound track would
    // promise one.
    QV_SetVideoParams(recorder_, declared_.width(), declared_.height(), kFrameRate);
    if (!QV_StartRecord(recorder_, QFile::encodeName(path_).constData())) {
        QV_DeInitRecord(recorder_);
        recorder_ = nullptr;
        return false;
    }
    return true;
}

bool VideoRecording::addFrame(const unsigned char *bytes, int size)
{
    if (!running_)
        return true;
    const QSize frameSize = headerReader_.frameSize(bytes, size);
    if (!frameSize.isValid()) {
        ++unreadable_; // not a picture: nothing to record
        return true;
    }
    if (!recorder_ && !open(frameSize)) {
        running_ = false;
        return false;
    }
    if (!reencoder_ && view_.isIdentity() && frameSize == cameraSize_)
        addDirect(bytes, size);
    else
        reencode(bytes, size);
    return true;
}

void VideoRecording::addDirect(const unsigned char *bytes, int size)
{
    QV_AddVideoData(recorder_, bytes, size);
    lastDirect_ = QByteArray(reinterpret_cast<const char *>(bytes), size);
    ++direct_;
}

void VideoRecording::reencode(const unsigned char *bytes, int size)
{
    if (!reencoder_) {
        Recorder *recorder = recorder_;
        reencoder_ = std::make_unique<FrameReencoder>(view_, declared_, [recorder](const QByteArray &jpeg) {
            QV_AddVideoData(recorder, jpeg.constData(), jpeg.size());
        });
    }
    const long long now = clock_();
    if (queuedAny_ && now - lastQueuedAt_ < kThinningMs)
        return;
    queuedAny_ = true;
    lastQueuedAt_ = now;
    reencoder_->push(QByteArray(reinterpret_cast<const char *>(bytes), size));
}

VideoRecording::Outcome VideoRecording::stop()
{
    Outcome outcome;
    outcome.path = path_;
    if (!running_)
        return outcome;
    running_ = false;
    QByteArray last = lastDirect_;
    outcome.framesRecorded = direct_;
    outcome.framesDropped = unreadable_;
    if (reencoder_) {
        reencoder_->finish();
        outcome.framesRecorded += reencoder_->written();
        outcome.framesDropped += reencoder_->dropped();
        if (reencoder_->written() > 0)
            last = reencoder_->lastWritten();
        reencoder_.reset();
    }
    if (!recorder_)
        return outcome; // no frame ever came: no file was made
    QV_StopRecord(recorder_);
    QV_DeInitRecord(recorder_);
    recorder_ = nullptr;
    if (outcome.framesRecorded == 0) {
        // Only the recorder's closing frame, which is empty: not a video.
        QFile::remove(path_);
        return outcome;
    }
    outcome.fileKept = true;
    outcome.problem = checkRecordedFile(QFile::encodeName(path_).toStdString(),
                                        reinterpret_cast<const std::uint8_t *>(last.constData()),
                                        std::size_t(last.size()));
    return outcome;
}
