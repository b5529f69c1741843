// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/live_view_session.h"

#include "core/live_view/my_work.h"

#include <QThread>

#include <chrono>

LiveViewSession::LiveViewSession(PreviewCalls calls, QObject *parent)
    : QObject(parent),
      calls_(std::move(calls)),
      clock_([]() {
          return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count());
      }),
      workerThread_(std::make_unique<QThread>())
{
    MyWork::Delivery delivery;
    // Both run on the worker's threads: hand over and wake the GUI thread
    // only when it has nothing waiting yet.
    delivery.bytes = [this](const QByteArray &bytes) {
        if (keepFrameBytes_.load() && rawFrames_.push(bytes))
            QMetaObject::invokeMethod(this, &LiveViewSession::takeFrameBytes, Qt::QueuedConnection);
    };
    delivery.picture = [this](LiveFrame &&frame) {
        if (mailbox_.put(std::move(frame)))
            QMetaObject::invokeMethod(this, &LiveViewSession::takeNewestFrame, Qt::QueuedConnection);
    };
    MyWork::FrameFetch fetch = calls_.fetchFrame;
    if (!fetch)
        fetch = [](PreviewStream *, void *, FrameInfo *) { return 0; };
    worker_ = std::make_unique<MyWork>(std::move(fetch), std::move(delivery));
    worker_->moveToThread(workerThread_.get());
    connect(this, &LiveViewSession::startWork, worker_.get(), &MyWork::pullFrames);

    silenceTimer_.setInterval(kSilencePollMs);
    connect(&silenceTimer_, &QTimer::timeout, this, &LiveViewSession::checkCamera);
}

LiveViewSession::~LiveViewSession()
{
    stop();
    worker_.reset();
    workerThread_.reset();
}

bool LiveViewSession::start(const QString &address)
{
    if (running_)
        return false;
    running_ = true;
    address_ = address;
    const QByteArray ip = address.toLocal8Bit();
    previewHandle_ = calls_.startPreview ? calls_.startPreview(ip.constData()) : nullptr;
    worker_->setPreviewHandle(previewHandle_);
    worker_->setRunning(true);
    emit startWork();
    workerThread_->start(QThread::InheritPriority);
    watch_.restart(clock_(), worker_->framesTaken());
    silenceTimer_.start();
    // Every preview starts by asking for the camera's largest picture.
    if (calls_.setResolution)
        calls_.setResolution(ip.constData(), kStartWidth, kStartHeight);
    return true;
}

void LiveViewSession::stop()
{
    if (!running_)
        return;
    // The loop stops after its current pass and joins its decoders; only
    // then is the stream taken away from under it.
    worker_->setRunning(false);
    workerThread_->quit();
    workerThread_->wait();
    if (calls_.stopPreview)
        calls_.stopPreview(previewHandle_);
    previewHandle_ = nullptr;
    worker_->setPreviewHandle(nullptr);
    silenceTimer_.stop();
    mailbox_.clear();
    rawFrames_.clear();
    const bool wasSilent = watch_.silent();
    running_ = false;
    if (wasSilent)
        emit pictureChanged();
}

QImage LiveViewSession::fullResolutionFrame()
{
    if (currentBytes_.isEmpty())
        return currentFrame_;
    return fullDecoder_.decode(reinterpret_cast<const unsigned char *>(currentBytes_.constData()),
                               currentBytes_.size());
}

void LiveViewSession::acceptFrame(const QImage &picture)
{
    showFrame(picture, QByteArray(), picture.size());
}

void LiveViewSession::setDisplayRows(int rows, bool quarterTurned)
{
    displayRows_ = rows;
    displayQuarterTurned_ = quarterTurned;
    worker_->setDisplayRows(rows, quarterTurned);
}

void LiveViewSession::setClock(Clock clock)
{
    clock_ = std::move(clock);
    if (running_)
        watch_.restart(clock_(), worker_->framesTaken());
}

void LiveViewSession::checkCamera()
{
    if (!running_)
        return;
    const CameraSilenceWatch::Change change = watch_.observe(clock_(), worker_->framesTaken());
    switch (change) {
    case CameraSilenceWatch::Change::WentSilent:
        emit cameraWentSilent();
        emit pictureChanged();
        break;
    case CameraSilenceWatch::Change::FirstAnswer:
    case CameraSilenceWatch::Change::AnswersAgain:
        emit cameraAnswered(change == CameraSilenceWatch::Change::AnswersAgain);
        emit pictureChanged();
        break;
    case CameraSilenceWatch::Change::None:
        break;
    }
}

void LiveViewSession::takeNewestFrame()
{
    std::optional<LiveFrame> frame = mailbox_.take();
    if (!frame)
        return;
    showFrame(frame->picture, frame->bytes, frame->cameraSize);
}

void LiveViewSession::takeFrameBytes()
{
    for (const QByteArray &bytes : rawFrames_.takeAll()) {
        // constData(): the bytes are shared with the decoders' copy, and a
        // writable pointer would make a copy of every frame.
        auto *data = reinterpret_cast<unsigned char *>(const_cast<char *>(bytes.constData()));
        emit frameBytes(data, bytes.size());
    }
}

void LiveViewSession::showFrame(const QImage &picture, const QByteArray &bytes, const QSize &cameraSize)
{
    currentFrame_ = framePath_.toCurrentFrame(picture);
    currentBytes_ = bytes;
    cameraSize_ = cameraSize.isValid() ? cameraSize : picture.size();
    emit pictureChanged();
}
