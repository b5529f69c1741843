#ifndef CORVANE_MY_WORK_H
#define CORVANE_MY_WORK_H

// The live view's worker: pulls JPEG frames from the preview stream, hands
// the raw bytes on (for recording) and the decoded picture (for display).
//
// Thread rules: created on the GUI thread and moved to its own QThread,
// which the main window owns, starts and joins. pullFrames() runs on that
// thread only. setPreviewHandle()/setRunning() may be called from any thread;
// they take the mutex the loop holds for each pass, so setRunning(false)
// returns only after the current pass has finished. Data leaves the worker
// only through the two queued signals. The bytes of sendData are a per-frame
// copy the receiver must give back with releaseFrameBytes(); copies never
// given back are freed with the worker.

#include "core/live_view/frame_byte_copies.h"

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

    explicit MyWork(FrameFetch fetch);

    void setPreviewHandle(PreviewStream *handle);
    void setRunning(bool on);
    bool isRunning() const { return running_.load(); }

    // The pull loop; returns when running becomes false.
    void pullFrames();

    // Gives back the bytes of one sendData; any thread.
    void releaseFrameBytes(unsigned char *bytes);
    std::size_t frameBytesInFlight() const { return copies_.outstanding(); }

signals:
    void sendData(unsigned char *buffer, int size);
    void sendImage(QImage image);

private:
    FrameFetch fetch_;
    std::atomic<bool> running_{false};
    PreviewStream *previewHandle_ = nullptr;
    QMutex mutex_;
    FrameByteCopies copies_;
};

#endif
