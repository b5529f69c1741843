// SPDX-License-Identifier: GPL-3.0-or-later

// Frame delivery in front of the queue: the latency flush (kind 3 excepted),
// the published fields and the limit on frame length. (The frame rate it
// counts only reaches a log line.)

#include "qv_camera.h"
#include "stream/frame_delivery.h"
#include "stream/frame_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FrameDeliveryTest : public testing::Test {
protected:
    // A 10-byte frame of tag bytes, 320 x 240.
    void deliver(uint8_t tag, int32_t kind = 1)
    {
        const std::vector<uint8_t> bytes(10, tag);
        qv::VideoFrame f;
        f.bytes = bytes.data();
        f.length = 10;
        f.kind = kind;
        f.width = 320;
        f.height = 240;
        delivery.deliverVideo(f);
    }
    std::vector<uint8_t> queuedTags()
    {
        std::vector<uint8_t> tags;
        while (auto r = queue->pop())
            tags.push_back(r->data[0]);
        return tags;
    }

    qv::StreamFields fields;
    std::unique_ptr<qv::FrameQueue> queue = qv::FrameQueue::create(10);
    qv::FrameDelivery delivery{fields, *queue};
};

TEST_F(FrameDeliveryTest, ConsumerBehindKeepsOnlyTheNewestFrame)
{
    for (uint8_t tag = 1; tag <= 3; ++tag)
        deliver(tag);
    EXPECT_EQ(queue->count(), 3); // two or three waiting are not flushed
    deliver(4);
    EXPECT_EQ(queuedTags(), std::vector<uint8_t>{4});
}

TEST_F(FrameDeliveryTest, KindThreeFramesAndSecondStreamRecordsAreNeverFlushedAway)
{
    for (uint8_t tag = 1; tag <= 3; ++tag)
        deliver(tag);
    deliver(4, 3);
    const uint8_t record[10] = {5};
    delivery.deliverUnchanged(record, 10, 4);
    EXPECT_EQ(queuedTags(), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    // The second stream's record left the fields of the last video frame.
    EXPECT_EQ(fields.kind.load(), 3);
}

TEST_F(FrameDeliveryTest, VideoFramePublishesKindAndPictureSize)
{
    deliver(1, 4);
    EXPECT_EQ(fields.kind.load(), 4);
    EXPECT_EQ(fields.width.load(), 320);
    EXPECT_EQ(fields.height.load(), 240);
    auto r = queue->pop();
    EXPECT_EQ(r->kind, 4);
    EXPECT_EQ(r->length, 10);
}

TEST_F(FrameDeliveryTest, FramesLongerThanTheCallerBufferAreDropped)
{
    std::vector<uint8_t> limit(QV_MAX_FRAME_BYTES, 0x11);
    std::vector<uint8_t> over(QV_MAX_FRAME_BYTES + 1, 0x22);
    qv::VideoFrame f;
    f.bytes = over.data();
    f.length = static_cast<int32_t>(over.size());
    f.width = 320;
    delivery.deliverVideo(f);
    delivery.deliverUnchanged(over.data(), f.length, 1);
    EXPECT_FALSE(queue->hasItems());
    EXPECT_EQ(fields.width.load(), 0); // a dropped frame announces nothing

    f.bytes = limit.data();
    f.length = QV_MAX_FRAME_BYTES;
    delivery.deliverVideo(f);
    auto r = queue->pop();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->length, QV_MAX_FRAME_BYTES);
}

} // namespace
