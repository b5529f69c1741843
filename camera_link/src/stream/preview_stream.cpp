// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/preview_stream.h"

#include <cstring>
#include <new>
#include <system_error>

PreviewStream::PreviewStream(std::string ip, const qv::PreviewOptions &options,
                             std::unique_ptr<qv::FrameQueue> queue)
    : ip_(std::move(ip)),
      options_(options),
      queue_(std::move(queue)),
      delivery_(fields_, *queue_),
      tcp_(ip_, options_, fields_, delivery_, stopSignal_),
      udp_(ip_, options_, fields_, delivery_, stopSignal_)
{
}

std::unique_ptr<PreviewStream> PreviewStream::start(const char *ip, const qv::PreviewOptions &options)
{
    if (!ip)
        return nullptr;
    std::unique_ptr<qv::FrameQueue> queue = qv::FrameQueue::create(kQueueCapacity);
    if (!queue)
        return nullptr;
    std::string address(ip, strnlen(ip, kMaxAddressLength));
    std::unique_ptr<PreviewStream> stream(
        new (std::nothrow) PreviewStream(std::move(address), options, std::move(queue)));
    if (!stream)
        return nullptr;
    try {
        stream->tcp_.start();
        stream->udp_.start();
    } catch (const std::system_error &) {
        stream->stop(); // joins whichever thread did start
        return nullptr;
    }
    return stream;
}

PreviewStream::~PreviewStream() { stop(); }

void PreviewStream::stop()
{
    stopSignal_.raise();
    tcp_.wakeUp();
    tcp_.join();
    udp_.join();
}

int PreviewStream::takeFrame(void *buffer, FrameInfo *info, int *kind, float *degree)
{
    if (!buffer)
        return 0;
    // The tilt word belongs to the picture the caller is about to get, so it
    // is read before the frame is taken.
    const uint32_t tiltWord = fields_.tiltWord.load(std::memory_order_relaxed);
    qv::FrameRecordPtr record = queue_->pop();
    if (!record)
        return 0;
    std::memcpy(buffer, record->data.get(), static_cast<size_t>(record->length));
    if (info) {
        info->low = static_cast<uint32_t>(record->info & 0xFFFFFFFFu);
        info->high = static_cast<uint32_t>(record->info >> 32);
    }
    if (kind)
        *kind = record->kind;
    if (degree)
        *degree = tilt_.update(tiltWord);
    return record->length;
}
