// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/picture_buffer_pool.h"

#include <climits>
#include <new>

namespace {

constexpr std::align_val_t kAlignment{64};

unsigned char *allocate(std::size_t size)
{
    return static_cast<unsigned char *>(::operator new(size, kAlignment, std::nothrow));
}

void release(unsigned char *data)
{
    ::operator delete(data, kAlignment);
}

} // namespace

struct PictureBufferPool::Lease {
    std::shared_ptr<PictureBufferPool> pool;
    Buffer buffer;
};

std::shared_ptr<PictureBufferPool> PictureBufferPool::create(std::size_t keepIdle)
{
    return std::shared_ptr<PictureBufferPool>(new PictureBufferPool(keepIdle));
}

PictureBufferPool::PictureBufferPool(std::size_t keepIdle) : keepIdle_(keepIdle)
{
}

PictureBufferPool::~PictureBufferPool()
{
    for (const Buffer &buffer : idle_)
        release(buffer.data);
}

QImage PictureBufferPool::picture(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return QImage();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows padded to 32 bits, as QImage lays out its own.
    const qint64 bytesPerLine = ((qint64(width) * depth + 31) / 32) * 4;
    const qint64 total = bytesPerLine * height;
    if (depth <= 0 || bytesPerLine > INT_MAX || total > INT_MAX)
        return QImage();
    const std::size_t size = std::size_t(total);

    Buffer buffer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = idle_.begin(); it != idle_.end(); ++it) {
            if (it->size == size) {
                buffer = *it;
                idle_.erase(it);
                break;
            }
        }
    }
    if (!buffer.data) {
        buffer.data = allocate(size);
        if (!buffer.data)
            return QImage();
        buffer.size = size;
        std::lock_guard<std::mutex> lock(mutex_);
        ++made_;
    }
    auto *lease = new Lease{shared_from_this(), buffer};
    return QImage(buffer.data, width, height, int(bytesPerLine), format, &PictureBufferPool::giveBack, lease);
}

void PictureBufferPool::giveBack(void *info)
{
    std::unique_ptr<Lease> lease(static_cast<Lease *>(info));
    lease->pool->keep(lease->buffer);
}

void PictureBufferPool::keep(Buffer buffer)
{
    Buffer dropped;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        idle_.push_back(buffer);
        if (idle_.size() > keepIdle_) {
            dropped = idle_.front();
            idle_.erase(idle_.begin());
        }
    }
    if (dropped.data)
        release(dropped.data);
}

std::size_t PictureBufferPool::buffersMade() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return made_;
}

std::size_t PictureBufferPool::buffersIdle() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return idle_.size();
}
