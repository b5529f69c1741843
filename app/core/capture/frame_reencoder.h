// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FRAME_REENCODER_H
#define CORVANE_FRAME_REENCODER_H

// The frames of a video recording that cannot be the camera's own JPEGs:
// a recording of a turned, mirrored or zoomed view, or frames whose size
// no longer matches the size the file declares (the camera's resolution
// was changed during the recording). Each frame is decoded at full size,
// given the view fixed when the recording started, fitted into the
// declared size if it differs (scaled, centred, black around it), encoded
// again with TurboJPEG and handed to the sink.
//
// A 4K frame costs tens of milliseconds this way, so the work runs on a
// thread of its own and frames wait in a small queue; when the thread
// falls behind, the oldest waiting frame is dropped and counted, as the
// live view's byte path does, so the person recording can be told.
//
// Thread rules: the reencoder owns its thread: the constructor starts it,
// finish() (or the destructor) lets it work off the queue and joins it.
// push() and finish() are called from one thread (the GUI thread); the
// sink is called on the reencoder's thread only, one frame at a time and
// in order, and never after finish() returns. The queue and the counts are
// guarded by one mutex.

#include "imaging/transforms/view_state.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class FrameReencoder {
public:
    using Sink = std::function<void(const QByteArray &jpeg)>;
    static constexpr std::size_t kMaxWaiting = 4;

    FrameReencoder(const ViewState &view, const QSize &outputSize, Sink sink,
                   std::size_t maxWaiting = kMaxWaiting);
    ~FrameReencoder();
    FrameReencoder(const FrameReencoder &) = delete;
    FrameReencoder &operator=(const FrameReencoder &) = delete;

    void push(QByteArray jpeg);
    // Encodes what is waiting, then ends and joins the thread.
    void finish();

    // Frames not recorded: dropped from a full queue, or not decodable.
    quint64 dropped() const;
    quint64 written() const;
    // The last frame handed to the sink; read it after finish().
    QByteArray lastWritten() const;

    // `picture` scaled into `size` keeping its proportions, centred on
    // black; `picture` itself when it has that size already.
    static QImage fitted(const QImage &picture, const QSize &size);

private:
    void run();

    const ViewState view_;
    const QSize outputSize_;
    const Sink sink_;
    const std::size_t maxWaiting_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QByteArray> waiting_;
    bool finishing_ = false;
    quint64 dropped_ = 0;
    quint64 written_ = 0;
    QByteArray lastWritten_;

    std::thread thread_; // last: starts after everything above exists
};

#endif
