// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PICTURE_BUFFER_POOL_H
#define CORVANE_PICTURE_BUFFER_POOL_H

// Recycles the pixel buffers of decoded frames. Every frame needs a picture
// of the same size (11 MB for a 3840x2880 frame decoded at half size, 8 MB
// for 1920x1080), and the frames in flight are few; handing the same
// buffers round avoids fresh pages for every frame and, more important, the
// growth of the allocator's per-thread heaps when pictures are made on one
// thread and let go on another (a stalled GUI thread made the process grow
// by 80+ MB that way). A picture's buffer goes back to the pool when the
// last copy of the picture is gone, on whatever thread that happens; a few
// idle buffers are kept, the rest freed.
//
// Thread rules: every function may be called from any thread (one mutex).
// The pool is shared (std::shared_ptr): pictures keep it alive until their
// buffers have come back.

#include <QImage>

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

class PictureBufferPool : public std::enable_shared_from_this<PictureBufferPool> {
public:
    static std::shared_ptr<PictureBufferPool> create(std::size_t keepIdle = 2);
    ~PictureBufferPool();
    PictureBufferPool(const PictureBufferPool &) = delete;
    PictureBufferPool &operator=(const PictureBufferPool &) = delete;

    // A picture whose pixels (not cleared) come from the pool; null when
    // out of memory.
    QImage picture(int width, int height, QImage::Format format);

    std::size_t buffersMade() const;
    std::size_t buffersIdle() const;

private:
    struct Buffer {
        unsigned char *data = nullptr;
        std::size_t size = 0;
    };
    struct Lease;

    explicit PictureBufferPool(std::size_t keepIdle);
    static void giveBack(void *lease);
    void keep(Buffer buffer);

    const std::size_t keepIdle_;
    mutable std::mutex mutex_;
    std::vector<Buffer> idle_;
    std::size_t made_ = 0;
};

#endif
