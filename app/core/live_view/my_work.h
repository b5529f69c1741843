// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_WORK_H
#define CORVANE_MY_WORK_H

// The live view's worker: pulls JPEG frames from the preview stream and
// hands each one on twice, as it came (for recording) and to its decoder
// threads (for display).
//
// Thread rules:
// - The worker is created on the GUI thread and moved to its own QThread,
//   which the live-view session owns, starts and joins. pullFrames() runs on
//   that thread only.
// - The worker owns its decoder threads (a FrameDecoderPool): pullFrames()
//   starts them when the loop begins and joins them when it ends, so once
//   the worker thread has finished no decoder runs either.
// - setPreviewHandle()/setRunning() may be called from any thread; they take
//   the mutex the loop holds for each pass, so setRunning(false) returns
//   only after the current pass has finished (no fetch follows it).
//   setDisplayRows() and the counters may be called from any thread.
// - Delivery::bytes runs on the worker thread, with every frame in the
//   order taken; Delivery::picture runs on a decoder thread, in the same
//   order, possibly skipping frames the decoders could not keep up with.
//   Both must be quick: they hand the frame to a queue and return.
// - sendData and sendImage are for observers connected directly (they run
//   on the emitting thread): sendData's bytes are valid only during the
//   emission; sendImage is emitted on a decoder thread. The window does not
//   take frames through them (a queued connection would let frames pile up
//   without limit while the GUI thread is busy); it takes them from the
//   session's mailbox and byte queue.

#include "core/live_view/frame_decoder_pool.h"
#include "core/live_view/live_frame.h"

#include <QImage>
#include <QMutex>
#include <QObject>

#include <atomic>
#include <functional>

#include "qv_camera.h"

class MyWork : public QObject {
    Q_OBJECT

public:
    // Fetches one frame into a QV_MAX_FRAME_BYTES buffer; returns its length
    // or 0 when none is queued (the library's QV_GetVideoFrame in the
    // program).
    using FrameFetch = std::function<int(PreviewStream *, void *, FrameInfo *)>;

    struct Delivery {
        std::function<void(const QByteArray &)> bytes; // may be empty
        std::function<void(LiveFrame &&)> picture;     // may be empty
    };

    static constexpr int kDecoderThreads = 2;

    explicit MyWork(FrameFetch fetch, Delivery delivery = Delivery(), int decoderThreads = kDecoderThreads);
    ~MyWork() override;

    void setPreviewHandle(PreviewStream *handle);
    void setRunning(bool on);
    bool isRunning() const { return running_.load(); }

    // The pull loop; returns when running becomes false.
    void pullFrames();

    // Rows the window draws the picture into (decoding scale); any thread.
    void setDisplayRows(int rows, bool quarterTurned = false)
    {
        decoders_.setDisplayRows(rows, quarterTurned);
    }
    // Frames taken from the stream since construction; any thread.
    quint64 framesTaken() const { return framesTaken_.load(); }
    const FrameDecoderPool &decoders() const { return decoders_; }
    // For measurements: how many decoder threads the next run of the loop
    // starts, and the fast inverse DCT.
    void setDecoderThreads(int threads) { decoders_.setThreadCount(threads); }
    void setFastDct(bool on) { decoders_.setFastDct(on); }

signals:
    void sendData(unsigned char *buffer, int size);
    void sendImage(QImage image);

private:
    FrameFetch fetch_;
    Delivery delivery_;
    std::atomic<bool> running_{false};
    std::atomic<quint64> framesTaken_{0};
    PreviewStream *previewHandle_ = nullptr;
    QMutex mutex_;
    FrameDecoderPool decoders_;
};

#endif
