// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/frame_decoder_pool.h"

#include "core/live_view/display_decode_scale.h"
#include "core/live_view/jpeg_frame_decoder.h"

#include <algorithm>

FrameDecoderPool::FrameDecoderPool(int threadCount, Deliver deliver)
    : threadCount_(std::max(1, threadCount)), deliver_(std::move(deliver))
{
}

FrameDecoderPool::~FrameDecoderPool()
{
    stop();
}

void FrameDecoderPool::start()
{
    if (running_.load())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = false;
        waiting_.reset();
        nextTicket_ = 0;
    }
    {
        std::lock_guard<std::mutex> lock(orderMutex_);
        finished_.clear();
        nextToDeliver_ = 0;
    }
    running_ = true;
    for (int i = 0, n = threadCount_.load(); i < n; ++i)
        threads_.emplace_back([this]() { decodeLoop(); });
}

void FrameDecoderPool::stop()
{
    if (!running_.load())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_all();
    for (std::thread &thread : threads_)
        thread.join();
    threads_.clear();
    {
        std::lock_guard<std::mutex> lock(orderMutex_);
        finished_.clear();
    }
    running_ = false;
}

void FrameDecoderPool::submit(QByteArray bytes, quint64 sequence)
{
    std::optional<Job> older; // released outside the lock
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_ || !running_.load())
            return;
        if (waiting_) {
            older = std::move(waiting_);
            ++skipped_;
        }
        waiting_ = Job{std::move(bytes), sequence};
    }
    wake_.notify_one();
}

void FrameDecoderPool::decodeLoop()
{
    JpegFrameDecoder decoder;
    decoder.setPicturePool(pictures_);
    for (;;) {
        Job job;
        quint64 ticket = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this]() { return stopping_ || waiting_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*waiting_);
            waiting_.reset();
            // Tickets follow the order frames leave the slot, which is the
            // order they were taken from the camera.
            ticket = nextTicket_++;
        }
        const auto *bytes = reinterpret_cast<const unsigned char *>(job.bytes.constData());
        LiveFrame frame;
        frame.cameraSize = decoder.frameSize(bytes, job.bytes.size());
        const int display = display_.load();
        const JpegScale scale = displayDecodeScale(frame.cameraSize, display / 2, display % 2 == 1);
        frame.picture = decoder.decode(bytes, job.bytes.size(), scale, fastDct_.load());
        frame.bytes = std::move(job.bytes);
        frame.sequence = job.sequence;
        ++decoded_;
        deliverInOrder(ticket, std::move(frame));
    }
}

void FrameDecoderPool::deliverInOrder(quint64 ticket, LiveFrame &&frame)
{
    std::lock_guard<std::mutex> lock(orderMutex_);
    finished_.emplace(ticket, std::move(frame));
    for (auto next = finished_.find(nextToDeliver_); next != finished_.end();
         next = finished_.find(nextToDeliver_)) {
        deliver_(std::move(next->second));
        finished_.erase(next);
        ++nextToDeliver_;
    }
}
