// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_VIEW_SESSION_H
#define CORVANE_LIVE_VIEW_SESSION_H

// The live view of one camera, from the preview stream to the frame the
// window paints: it owns the worker and its thread, the preview handle, the
// hand-over of frames to the GUI thread and the current frame, and watches
// whether the camera is answering.
//
// Frames reach the GUI thread two ways:
// - pictures through a mailbox that holds only the newest decoded frame not
//   yet taken: a busy GUI thread skips frames instead of queueing them, so
//   memory stays flat and the screen catches up at once;
// - the camera's JPEG bytes (only while keepFrameBytes is on, i.e. while a
//   recording needs them) through a bounded queue that keeps every frame
//   over a stall of a few seconds and beyond that drops the oldest, counted.
// Each hand-over posts at most one wake-up to the GUI thread at a time.
//
// The current frame may be decoded at a reduced scale (enough for the rows
// the window draws it into, see setDisplayRows()). cameraFrameSize() is the
// camera's own picture size, and fullResolutionFrame() decodes the current
// frame's JPEG at full size on demand, for photos, detection and bar codes.
//
// Thread rules:
// - The session lives on the GUI thread; every member function is called
//   there, and its signals are emitted there.
// - It owns the worker thread: it creates it (and the worker) at
//   construction, starts it in start() and quits and joins it in stop() and
//   in its destructor. The worker owns its decoder threads and joins them
//   before its loop returns (my_work.h), so when the worker thread has been
//   joined no thread of the live view runs any more.
// - stop() keeps the order: the worker's running flag cleared (waits for
//   the current pass), the thread quit and joined, then the preview stopped
//   and its handle forgotten. Nothing is taken from the stream after the
//   flag is cleared, and the stream is never stopped under a running loop.
// - Data from the worker and decoder threads arrives only through the
//   mailbox, the byte queue and queued wake-ups.

#include "core/live_view/camera_silence_watch.h"
#include "core/live_view/jpeg_frame_decoder.h"
#include "core/live_view/latest_frame_mailbox.h"
#include "core/live_view/live_frame_path.h"
#include "core/live_view/preview_calls.h"
#include "core/live_view/raw_frame_queue.h"

#include <QImage>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class MyWork;
class QThread;

class LiveViewSession : public QObject {
    Q_OBJECT

public:
    // Milliseconds on a monotonic clock; replaceable for tests.
    using Clock = std::function<qint64()>;

    static constexpr int kStartWidth = 3840;
    static constexpr int kStartHeight = 2880;
    static constexpr int kSilencePollMs = 250;

    explicit LiveViewSession(PreviewCalls calls, QObject *parent = nullptr);
    ~LiveViewSession() override;

    // Starts the preview for the camera at this address, the worker, and
    // asks the camera for 3840x2880. Refused (false, nothing changes) while
    // a live view runs.
    bool start(const QString &address);
    // Ends the live view in the order above; the current frame stays.
    void stop();
    bool isRunning() const { return running_; }
    QString address() const { return address_; }

    // The frame the window shows, after the frame path (view transforms).
    const QImage &currentFrame() const { return currentFrame_; }
    // The camera's picture size of the current frame (its JPEG header),
    // whatever scale it was decoded at; the frame's own size for frames
    // handed in as pictures.
    QSize cameraFrameSize() const { return cameraSize_; }
    // The current frame's JPEG as the camera sent it (empty for frames
    // handed in as pictures).
    const QByteArray &currentFrameBytes() const { return currentBytes_; }
    // The current frame decoded from its JPEG at full size, as the camera
    // took it (before the frame path); the current frame when it came
    // without bytes. Costs a full decode on the GUI thread.
    QImage fullResolutionFrame();
    // A decoded frame handed in from outside the pipeline: it goes through
    // the frame path like the worker's frames.
    void acceptFrame(const QImage &picture);
    LiveFramePath &framePath() { return framePath_; }

    // Rows the window draws the picture into: frames are decoded just large
    // enough for them (0: full size). Raise it while zoomed in; quarterTurned
    // while the view stands the frame's width upright.
    void setDisplayRows(int rows, bool quarterTurned = false);
    int displayRows() const { return displayRows_; }
    bool displayQuarterTurned() const { return displayQuarterTurned_; }

    // While on, every frame's JPEG bytes are passed on with frameBytes().
    void setKeepFrameBytes(bool on) { keepFrameBytes_ = on; }
    bool keepsFrameBytes() const { return keepFrameBytes_.load(); }
    quint64 frameBytesDropped() const { return rawFrames_.dropped(); }
    // Emits frameBytes() now for the bytes still waiting for the GUI
    // thread: a recording that stops right after a busy spell still gets
    // the frames the camera sent before the stop.
    void deliverWaitingFrameBytes() { takeFrameBytes(); }
    quint64 picturesReplaced() const { return mailbox_.replaced(); }

    // True while the camera is not answering (see camera_silence_watch.h).
    bool cameraSilent() const { return running_ && watch_.silent(); }
    // One look at whether frames arrive; the session's timer calls it every
    // kSilencePollMs while the live view runs.
    void checkCamera();
    void setClock(Clock clock);

    QThread *workerThread() const { return workerThread_.get(); }
    MyWork *worker() const { return worker_.get(); }
    PreviewStream *previewHandle() const { return previewHandle_; }

signals:
    // Emitted by start() before the worker thread starts; queued to the
    // worker's pull loop.
    void startWork();
    // Something the live page shows has changed: a new current frame, or
    // the camera went silent or answers again.
    void pictureChanged();
    // One frame's JPEG bytes, in order, while keepFrameBytes is on. The
    // bytes are read-only and valid during the emission only.
    void frameBytes(unsigned char *buffer, int size);
    // The camera went silent; it answers again (or, after a silent start,
    // for the first time).
    void cameraWentSilent();
    void cameraAnswered(bool again);

private:
    void takeNewestFrame();
    void takeFrameBytes();
    void showFrame(const QImage &picture, const QByteArray &bytes, const QSize &cameraSize);

    PreviewCalls calls_;
    Clock clock_;
    bool running_ = false;
    QString address_;
    PreviewStream *previewHandle_ = nullptr;
    int displayRows_ = 0;
    bool displayQuarterTurned_ = false;
    std::atomic<bool> keepFrameBytes_{false};

    // Shared with the worker and decoder threads (their own locks).
    LatestFrameMailbox mailbox_;
    RawFrameQueue rawFrames_;

    LiveFramePath framePath_;
    QImage currentFrame_;
    QByteArray currentBytes_;
    QSize cameraSize_;
    JpegFrameDecoder fullDecoder_;

    CameraSilenceWatch watch_;
    QTimer silenceTimer_;

    // Declared last: destroyed first, after stop() has joined the thread.
    std::unique_ptr<QThread> workerThread_;
    std::unique_ptr<MyWork> worker_;
};

#endif
