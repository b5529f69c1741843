// SPDX-License-Identifier: GPL-3.0-or-later

// The bounded frame queue: FIFO order, the capacity limit and freeing what
// is left in it.

#include "stream/frame_queue.h"

#include <gtest/gtest.h>

namespace {

qv::FrameRecordPtr record(uint8_t tag)
{
    const uint8_t bytes[4] = {tag, tag, tag, tag};
    return qv::FrameRecord::copyOf(bytes, 4, 1, tag);
}

TEST(FrameQueueTest, PopsInArrivalOrderAndIsUsableAgainOnceEmpty)
{
    auto q = qv::FrameQueue::create(10);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->pop(), nullptr);
    for (int round = 0; round < 2; ++round) { // the second round needs the tail reset
        for (uint8_t tag = 1; tag <= 3; ++tag)
            ASSERT_TRUE(q->push(record(tag)));
        EXPECT_EQ(q->count(), 3);
        for (uint8_t tag = 1; tag <= 3; ++tag) {
            auto r = q->pop();
            ASSERT_TRUE(r);
            EXPECT_EQ(r->data[0], tag);
            EXPECT_EQ(r->info, tag);
        }
        EXPECT_FALSE(q->hasItems());
        EXPECT_EQ(q->pop(), nullptr);
    }
}

TEST(FrameQueueTest, FullQueueRefusesAndKeepsWhatItHas)
{
    auto q = qv::FrameQueue::create(3);
    for (uint8_t tag = 1; tag <= 3; ++tag)
        ASSERT_TRUE(q->push(record(tag)));
    EXPECT_FALSE(q->push(record(4)));
    EXPECT_EQ(q->count(), 3);
    EXPECT_EQ(q->pop()->data[0], 1);
    EXPECT_TRUE(q->push(record(5)));
}

TEST(FrameQueueTest, DiscardAllAndDestroyFreeQueuedRecords)
{
    auto q = qv::FrameQueue::create(10);
    for (uint8_t tag = 1; tag <= 4; ++tag)
        q->push(record(tag));
    EXPECT_EQ(q->discardAll(), 4);
    EXPECT_FALSE(q->hasItems());
    q->push(record(7));
    q->push(record(8));
    EXPECT_EQ(q->pop()->data[0], 7);
    q->push(record(9));
    q.reset(); // the leak checker of the sanitizer run sees any record left behind
}

} // namespace
