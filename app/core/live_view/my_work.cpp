#include "core/live_view/my_work.h"

#include "core/live_view/frame_decoding.h"

#include <QMetaMethod>
#include <QMutexLocker>
#include <QThread>

#include <memory>

MyWork::MyWork(FrameFetch fetch) : fetch_(std::move(fetch))
{
}

void MyWork::setPreviewHandle(PreviewStream *handle)
{
    QMutexLocker lock(&mutex_);
    previewHandle_ = handle;
}

void MyWork::setRunning(bool on)
{
    // The flag is cleared before waiting for the mutex: the loop takes the
    // mutex again right after releasing it, and a waiter could otherwise
    // starve behind it for as long as frames flow.
    if (!on)
        running_ = false;
    QMutexLocker lock(&mutex_);
    running_ = on;
}

void MyWork::releaseFrameBytes(unsigned char *bytes)
{
    copies_.release(bytes);
}

void MyWork::pullFrames()
{
    // One buffer per run of the loop; the library never copies more than
    // QV_MAX_FRAME_BYTES into it.
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[QV_MAX_FRAME_BYTES]);
    while (running_.load()) {
        QMutexLocker lock(&mutex_);
        // Checked again under the mutex: once setRunning(false) has returned
        // no further pass may touch the stream.
        if (!running_.load())
            break;
        FrameInfo info{};
        const int n = fetch_(previewHandle_, buffer.get(), &info);
        if (n < 1 || n > QV_MAX_FRAME_BYTES) {
            lock.unlock();
            QThread::msleep(5);
            continue;
        }
        // The receiver gets its own copy: the loop buffer is overwritten by
        // the next frame long before a queued slot may run.
        // Nobody connected means nobody would give a copy back.
        static const QMetaMethod dataSignal = QMetaMethod::fromSignal(&MyWork::sendData);
        unsigned char *copy = isSignalConnected(dataSignal) ? copies_.make(buffer.get(), n) : nullptr;
        emit sendData(copy, n);
        emit sendImage(decodeFrame(buffer.get(), n));
    }
}

#include "moc_my_work.cpp"
