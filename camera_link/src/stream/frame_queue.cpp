// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/frame_queue.h"

#include <cstdio>
#include <new>

namespace qv {

std::unique_ptr<FrameQueue> FrameQueue::create(uint16_t capacity)
{
    std::unique_ptr<FrameQueue> queue(new (std::nothrow) FrameQueue(capacity));
    if (!queue)
        std::printf("QV: %d: it fails to malloc! \n", 38);
    return queue;
}

FrameQueue::~FrameQueue() { discardAllLocked(); }

bool FrameQueue::push(FrameRecordPtr record)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (count_ >= capacity_) {
        std::printf("QV: %d: the queue items is too many(max:%d)! \n", 136,
                    static_cast<int>(capacity_));
        return false;
    }
    Node *node = new (std::nothrow) Node;
    if (!node) {
        std::printf("QV: %d: it fails to malloc! \n", 145);
        return false;
    }
    node->record = std::move(record);
    if (tail_)
        tail_->next = node;
    else
        head_ = node;
    tail_ = node;
    ++count_;
    return true;
}

FrameRecordPtr FrameQueue::pop()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!head_)
        return nullptr;
    Node *node = head_;
    head_ = node->next;
    if (!head_)
        tail_ = nullptr;
    --count_;
    FrameRecordPtr record = std::move(node->record);
    delete node;
    return record;
}

bool FrameQueue::hasItems() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return count_ > 0;
}

uint16_t FrameQueue::count() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return count_;
}

int FrameQueue::discardAll()
{
    std::lock_guard<std::mutex> guard(lock_);
    int n = count_;
    discardAllLocked();
    return n;
}

void FrameQueue::discardAllLocked()
{
    while (head_) {
        Node *next = head_->next;
        delete head_;
        head_ = next;
    }
    tail_ = nullptr;
    count_ = 0;
}

} // namespace qv
