// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_VIDEO_RECORDING_H
#define CORVANE_VIDEO_RECORDING_H

// One video recording of the camera's stream into an AVI file, written by
// the camera library's recorder (QV_...Record) at 15 frames per second.
//
// The file's declared picture size is the size of the frames in it:
// - An untransformed view records the camera's JPEG frames as they come,
//   and the file declares the camera's picture size.
// - A view that is turned, mirrored or zoomed when the recording starts is
//   recorded as the screen shows it: every frame is decoded, given that
//   view, encoded again (FrameReencoder, on a thread of its own) and the
//   file declares the transformed size. The view stays fixed for the whole
//   recording, so the size never changes within the file.
// - A frame whose camera size differs from the start (the resolution was
//   changed meanwhile) is fitted into the declared size by the same path;
//   from then on every frame takes that path, so frames stay in order.
// - Before the camera's first frame the picture size is unknown: the file
//   is then made with the first frame that comes.
// Frames the reencoder would not keep up with anyway are thinned to the
// recording's rate before they queue (the recorder would skip them).
//
// stop() finishes the file and reads it back (recorded_file_check.h): a
// recording whose end could not be written is reported, not called saved.
// A recording that never got a frame leaves no file.
//
// Thread rules: GUI thread (start, addFrame, stop). The reencoder's thread
// hands frames to the recorder, whose own lock orders its calls; once a
// recording reencodes, only that thread adds frames. stop() joins it
// before it stops the recorder.

#include "core/capture/recorded_file_check.h"
#include "core/live_view/jpeg_frame_decoder.h"
#include "imaging/transforms/milliseconds_clock.h"
#include "imaging/transforms/view_state.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

#include "qv_camera.h"

class FrameReencoder;

class VideoRecording {
public:
    static constexpr int kFrameRate = 15;

    enum class Start {
        Now,          // the file exists and takes frames
        AtFirstFrame, // the camera's picture size is not known yet
        Failed        // the file cannot be created
    };

    struct Outcome {
        QString path;
        bool fileKept = false;     // false: no frame was recorded, no file left
        quint64 framesRecorded = 0;
        quint64 framesDropped = 0; // not decodable, or the reencoder fell behind
        RecordedFileProblem problem = RecordedFileProblem::None;
    };

    explicit VideoRecording(MillisecondsClock clock = steadyMillisecondsClock());
    // A recording still running is finished.
    ~VideoRecording();
    VideoRecording(const VideoRecording &) = delete;
    VideoRecording &operator=(const VideoRecording &) = delete;

    // `cameraSize`: the camera's picture size now (invalid when unknown).
    Start start(const QString &path, const ViewState &view, const QSize &cameraSize);
    // One frame's JPEG bytes, valid during the call. False when the file
    // could not be made at the first frame: the recording has ended.
    bool addFrame(const unsigned char *bytes, int size);
    Outcome stop();

    bool running() const { return running_; }
    bool fileOpen() const { return recorder_ != nullptr; }
    QSize declaredSize() const { return declared_; }
    // Frames are decoded and encoded again (a transformed view, or a
    // camera size that changed).
    bool reencodes() const { return !view_.isIdentity() || reencoder_ != nullptr; }
    const QString &path() const { return path_; }

private:
    bool open(const QSize &cameraSize);
    void addDirect(const unsigned char *bytes, int size);
    void reencode(const unsigned char *bytes, int size);

    MillisecondsClock clock_;
    bool running_ = false;
    QString path_;
    ViewState view_;
    QSize cameraSize_;
    QSize declared_;
    Recorder *recorder_ = nullptr;
    JpegFrameDecoder headerReader_;
    std::unique_ptr<FrameReencoder> reencoder_;
    long long lastQueuedAt_ = 0;
    bool queuedAny_ = false;
    quint64 direct_ = 0;
    quint64 unreadable_ = 0;
    QByteArray lastDirect_;
};

#endif
