// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/my_work.h"

#include <QMutexLocker>
#include <QThread>

#include <memory>

MyWork::MyWork(FrameFetch fetch, Delivery delivery, int decoderThreads)
    : fetch_(std::move(fetch)),
      delivery_(std::move(delivery)),
      decoders_(decoderThreads, [this](LiveFrame &&frame) {
          emit sendImage(frame.picture);
          if (delivery_.picture)
              delivery_.picture(std::move(frame));
      })
{
}

MyWork::~MyWork()
{
    // Normally joined at the end of pullFrames(); this covers a worker
    // destroyed with its loop never started.
    decoders_.stop();
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

void MyWork::pullFrames()
{
    // One buffer per run of the loop; the library never copies more than
    // QV_MAX_FRAME_BYTES into it.
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[QV_MAX_FRAME_BYTES]);
    decoders_.start();
    quint64 sequence = 0;
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
        // The frame's own copy: the loop buffer is overwritten by the next
        // frame while this one is still being decoded and recorded.
        QByteArray bytes(reinterpret_cast<const char *>(buffer.get()), n);
        ++framesTaken_;
        emit sendData(reinterpret_cast<unsigned char *>(bytes.data()), n);
        if (delivery_.bytes)
            delivery_.bytes(bytes);
        decoders_.submit(std::move(bytes), sequence++);
    }
    decoders_.stop();
}

#include "moc_my_work.cpp"
