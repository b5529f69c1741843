// The bounded frame queue: FIFO order, the capacity limit and freeing what
// is left in it.

#include "stream/frame_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

qv::FrameRecordPtr record(uint8_t tag, int32_t kind = 1, int32_t length = 4)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(length), tag);
    return qv::FrameRecord::copyOf(bytes.data(), length, kind, tag);
}

TEST(FrameQueueTest, EmptyQueuePopsNothing)
{
    auto q = qv::FrameQueue::create(10);
    ASSERT_TRUE(q);
    EXPECT_FALSE(q->hasItems());
    EXPECT_EQ(q->count(), 0);
    EXPECT_EQ(q->pop(), nullptr);
}

TEST(FrameQueueTest, PopsInArrivalOrderAndCounts)
{
    auto q = qv::FrameQueue::create(10);
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
    // Usable again after running empty (tail reset).
    ASSERT_TRUE(q->push(record(9)));
    EXPECT_EQ(q->pop()->data[0], 9);
}

TEST(FrameQueueTest, FullQueueRefusesAndKeepsWhatItHas)
{
    auto q = qv::FrameQueue::create(3);
    for (uint8_t tag = 1; tag <= 3; ++tag)
        ASSERT_TRUE(q->push(record(tag)));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(q->push(record(4)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "QV: 136: the queue items is too many(max:3)! \n");
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
    q.reset(); // the leak checker of the sanitizer run sees any record left behind
}

TEST(FrameRecordTest, RefusesEmptyFrames)
{
    uint8_t b = 0;
    EXPECT_EQ(qv::FrameRecord::copyOf(&b, 0, 1, 0), nullptr);
    EXPECT_EQ(qv::FrameRecord::copyOf(nullptr, 5, 1, 0), nullptr);
}

} // namespace
