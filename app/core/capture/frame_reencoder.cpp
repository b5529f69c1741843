// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/frame_reencoder.h"

#include "core/capture/jpeg_frame_encoder.h"
#include "core/live_view/jpeg_frame_decoder.h"
#include "imaging/transforms/view_transform.h"

#include <QPainter>

FrameReencoder::FrameReencoder(const ViewState &view, const QSize &outputSize, Sink sink,
                               std::size_t maxWaiting)
    : view_(view), outputSize_(outputSize), sink_(std::move(sink)),
      maxWaiting_(maxWaiting < 1 ? 1 : maxWaiting), thread_([this] { run(); })
{
}

FrameReencoder::~FrameReencoder()
{
    finish();
}

void FrameReencoder::push(QByteArray jpeg)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finishing_)
            return;
        if (waiting_.size() >= maxWaiting_) {
            waiting_.pop_front();
            ++dropped_;
        }
        waiting_.push_back(std::move(jpeg));
    }
    wake_.notify_one();
}

void FrameReencoder::finish()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finishing_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

quint64 FrameReencoder::dropped() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

quint64 FrameReencoder::written() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return written_;
}

QByteArray FrameReencoder::lastWritten() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lastWritten_;
}

QImage FrameReencoder::fitted(const QImage &picture, const QSize &size)
{
    if (picture.size() == size || picture.isNull() || size.isEmpty())
        return picture;
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    const QSize inside = picture.size().scaled(size, Qt::KeepAspectRatio);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((size.width() - inside.width()) / 2,
                                   (size.height() - inside.height()) / 2),
                            inside),
                      picture);
    return canvas;
}

void FrameReencoder::run()
{
    JpegFrameDecoder decoder;
    JpegFrameEncoder encoder;
    for (;;) {
        QByteArray frame;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return finishing_ || !waiting_.empty(); });
            if (waiting_.empty())
                return; // finishing, nothing left
            frame = std::move(waiting_.front());
            waiting_.pop_front();
        }
        const QImage decoded = decoder.decode(reinterpret_cast<const unsigned char *>(frame.constData()),
                                              frame.size());
        const QByteArray encoded = decoded.isNull()
            ? QByteArray()
            : encoder.encode(fitted(applyViewTransform(decoded, view_), outputSize_));
        if (encoded.isEmpty()) {
            std::lock_guard<std::mutex> lock(mutex_);
            ++dropped_;
            continue;
        }
        sink_(encoded);
        std::lock_guard<std::mutex> lock(mutex_);
        ++written_;
        lastWritten_ = encoded;
    }
}
