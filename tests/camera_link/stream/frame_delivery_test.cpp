// Frame delivery in front of the queue: the latency flush (kind 3 excepted),
// the rate report and the limit on frame length.

#include "qv_camera.h"
#include "stream/frame_delivery.h"
#include "stream/frame_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> frameBytes(size_t n, uint8_t tag) { return std::vector<uint8_t>(n, tag); }

qv::VideoFrame video(const std::vector<uint8_t> &bytes, int32_t kind = 1)
{
    qv::VideoFrame f;
    f.bytes = bytes.data();
    f.length = static_cast<int32_t>(bytes.size());
    f.kind = kind;
    f.info = bytes.empty() ? 0 : bytes[0];
    f.width = 320;
    f.height = 240;
    return f;
}

class FrameDeliveryTest : public testing::Test {
protected:
    qv::StreamFields fields;
    std::unique_ptr<qv::FrameQueue> queue = qv::FrameQueue::create(10);
    uint64_t now = 100000;
    qv::FrameDelivery delivery{fields, *queue, [this] { return now; }};
};

TEST_F(FrameDeliveryTest, ConsumerBehindKeepsOnlyTheNewestFrame)
{
    std::vector<std::vector<uint8_t>> frames;
    for (uint8_t tag = 1; tag <= 4; ++tag)
        frames.push_back(frameBytes(10, tag));
    for (int i = 0; i < 3; ++i)
        delivery.deliverVideo(video(frames[i]));
    EXPECT_EQ(queue->count(), 3);
    delivery.deliverVideo(video(frames[3]));
    ASSERT_EQ(queue->count(), 1);
    EXPECT_EQ(queue->pop()->data[0], 4);
}

TEST_F(FrameDeliveryTest, TwoWaitingFramesAreNotFlushed)
{
    auto a = frameBytes(10, 1), b = frameBytes(10, 2), c = frameBytes(10, 3);
    delivery.deliverVideo(video(a));
    delivery.deliverVideo(video(b));
    delivery.deliverVideo(video(c));
    EXPECT_EQ(queue->count(), 3);
}

TEST_F(FrameDeliveryTest, KindThreeFramesAreNeverFlushedAway)
{
    std::vector<std::vector<uint8_t>> frames;
    for (uint8_t tag = 1; tag <= 4; ++tag)
        frames.push_back(frameBytes(10, tag));
    for (int i = 0; i < 3; ++i)
        delivery.deliverVideo(video(frames[i]));
    delivery.deliverVideo(video(frames[3], 3));
    ASSERT_EQ(queue->count(), 4);
    for (uint8_t tag = 1; tag <= 4; ++tag)
        EXPECT_EQ(queue->pop()->data[0], tag);
}

TEST_F(FrameDeliveryTest, QueueFullOfKindThreeDropsTheNewcomer)
{
    std::vector<std::vector<uint8_t>> frames;
    for (uint8_t tag = 1; tag <= 11; ++tag)
        frames.push_back(frameBytes(10, tag));
    testing::internal::CaptureStdout();
    for (auto &f : frames)
        delivery.deliverVideo(video(f, 3));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("QV: 136: the queue items is too many(max:10)! \n"), std::string::npos);
    EXPECT_EQ(queue->count(), 10);
    EXPECT_EQ(queue->pop()->data[0], 1);
}

TEST_F(FrameDeliveryTest, VideoFramePublishesKindAndPictureSize)
{
    auto a = frameBytes(10, 1);
    delivery.deliverVideo(video(a, 4));
    EXPECT_EQ(fields.kind.load(), 4);
    EXPECT_EQ(fields.width.load(), 320);
    EXPECT_EQ(fields.height.load(), 240);
    auto r = queue->pop();
    EXPECT_EQ(r->kind, 4);
    EXPECT_EQ(r->length, 10);
}

TEST_F(FrameDeliveryTest, SecondStreamRecordsSkipFlushAndLeaveFieldsAlone)
{
    std::vector<std::vector<uint8_t>> frames;
    for (uint8_t tag = 1; tag <= 4; ++tag)
        frames.push_back(frameBytes(10, tag));
    for (int i = 0; i < 3; ++i)
        delivery.deliverVideo(video(frames[i]));
    delivery.deliverUnchanged(frames[3].data(), 10, 4);
    EXPECT_EQ(queue->count(), 4);
    EXPECT_EQ(fields.kind.load(), 1);
}

TEST_F(FrameDeliveryTest, RateReportCountsFramesOverMoreThanTwoSeconds)
{
    auto a = frameBytes(10, 1);
    testing::internal::CaptureStdout();
    delivery.deliverVideo(video(a)); // the tick counter starts far from zero
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 61: =====> video frameRate 0\n \n");
    queue->discardAll();

    testing::internal::CaptureStdout();
    for (int i = 0; i < 60; ++i) {
        now += i == 59 ? 53 : 33; // the 60th frame lands exactly 2000 ms later
        delivery.deliverVideo(video(a));
        queue->discardAll();
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(fields.frameRate.load(), 0);

    now += 1; // 2001 ms: the 61st frame reports
    testing::internal::CaptureStdout();
    delivery.deliverVideo(video(a));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 61: =====> video frameRate 30\n \n");
    EXPECT_EQ(fields.frameRate.load(), 30);
}

TEST_F(FrameDeliveryTest, FramesLongerThanTheCallerBufferAreDropped)
{
    std::vector<uint8_t> limit(QV_MAX_FRAME_BYTES, 0x11);
    std::vector<uint8_t> over(QV_MAX_FRAME_BYTES + 1, 0x22);
    testing::internal::CaptureStdout();
    delivery.deliverVideo(video(over));
    delivery.deliverUnchanged(over.data(), static_cast<int32_t>(over.size()), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("QV: 707: "), std::string::npos);
    EXPECT_FALSE(queue->hasItems());
    EXPECT_EQ(fields.width.load(), 0); // a dropped frame announces nothing

    delivery.deliverVideo(video(limit));
    auto r = queue->pop();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->length, QV_MAX_FRAME_BYTES);
}

} // namespace
