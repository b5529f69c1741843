// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME_QUEUE_H
#define QV_FRAME_QUEUE_H

// Bounded FIFO of frame records between the receive threads and the caller.
//
// Thread rules: every operation holds the queue's own lock for its whole
// duration, so any thread may call any operation. This is the only structure
// through which frames cross threads.

#include "stream/frame_record.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace qv {

class FrameQueue {
public:
    // Null (with the out-of-memory diagnostic) when the queue itself cannot
    // be allocated.
    static std::unique_ptr<FrameQueue> create(uint16_t capacity);
    ~FrameQueue(); // frees every record still queued

    FrameQueue(const FrameQueue &) = delete;
    FrameQueue &operator=(const FrameQueue &) = delete;

    // Appends the record. On failure (queue full or no memory for the node)
    // the record is freed and false returned.
    bool push(FrameRecordPtr record);
    FrameRecordPtr pop(); // oldest record, or null when empty
    bool hasItems() const;
    uint16_t count() const;
    uint16_t capacity() const { return capacity_; }
    // Frees every queued record; returns how many there were.
    int discardAll();

private:
    struct Node {
        FrameRecordPtr record;
        Node *next = nullptr;
    };

    explicit FrameQueue(uint16_t capacity) : capacity_(capacity) {}
    void discardAllLocked();

    const uint16_t capacity_;
    mutable std::mutex lock_;
    uint16_t count_ = 0;
    Node *head_ = nullptr;
    Node *tail_ = nullptr;
};

} // namespace qv

#endif
