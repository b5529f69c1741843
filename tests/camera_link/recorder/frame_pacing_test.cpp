// Sample-and-hold pacing through the recorder, driven by a test clock: which
// of the frames fed in end up in the file, and how often.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class PacedRecording : public ::testing::Test {
protected:
    PacedRecording()
        : medium_(std::make_shared<MemoryMedium>()),
          recorder_(qv::RecorderSeams{[this] { return now_; },
                                      [this](const std::string &) {
                                          return openMemoryStorage(medium_);
                                      }})
    {
    }

    void startAt(std::uint32_t t, int fps)
    {
        now_ = t;
        recorder_.setVideoParams(kTestFrameWidth, kTestFrameHeight, fps);
        ASSERT_TRUE(recorder_.start("memory"));
    }

    void feed(int frame, std::uint32_t at)
    {
        now_ = at;
        recorder_.addVideo(testJpeg(frame).data(), static_cast<int>(testJpeg(frame).size()));
    }

    // The frame numbers the file holds, in order (-1 for an unknown one).
    std::vector<int> writtenFrames() const
    {
        const AviImage avi(medium_->bytes);
        std::vector<int> frames;
        for (const AviChunkRef &c : avi.movieChunks()) {
            const std::vector<std::uint8_t> data = avi.chunkData(c);
            int which = -1;
            for (int n = 0; n < 64 && which < 0; ++n)
                which = data == testJpeg(n) ? n : -1;
            frames.push_back(which);
        }
        return frames;
    }

    void expectPlayable(long frames)
    {
        EXPECT_EQ(AviImage(medium_->bytes).structureProblem(), "");
        ScratchDir dir;
        saveMedium(*medium_, dir.file("paced.avi"));
        expectPlayableMjpeg(dir.file("paced.avi"), frames);
    }

    std::uint32_t now_ = 0;
    std::shared_ptr<MemoryMedium> medium_;
    Recorder recorder_;
};

TEST_F(PacedRecording, FifteenFpsFedEvery33msKeepsTheNewestFrameBeforeEachDueTime)
{
    startAt(1000, 15);
    EXPECT_EQ(recorder_.frameIntervalMs(), 66);
    for (int i = 0; i < 10; ++i)
        feed(i, 1000 + 33 * static_cast<std::uint32_t>(i));
    ASSERT_EQ(recorder_.stop(), 0);
    // Written at 0 (the first), then at 66, 132, 198, 264 the frame held
    // since the previous add; the last one received is written by stop.
    EXPECT_EQ(writtenFrames(), (std::vector<int>{0, 1, 3, 5, 7, 9}));
    expectPlayable(6);
}

TEST_F(PacedRecording, LateFrameWritesHeldFrameOnceAndNewFrameTwice)
{
    startAt(0, 15);
    feed(0, 0);
    EXPECT_EQ(recorder_.nextDueMs(), 0u);
    feed(1, 200);
    EXPECT_EQ(recorder_.nextDueMs(), 264u);
    EXPECT_EQ(writtenFrames(), (std::vector<int>{0, 0, 1, 1}));
    // Before the next due time frames are only held.
    feed(2, 300);
    EXPECT_EQ(writtenFrames().size(), 4u);
    ASSERT_EQ(recorder_.stop(), 0);
    EXPECT_EQ(writtenFrames(), (std::vector<int>{0, 0, 1, 1, 2}));
    expectPlayable(5);
}

TEST_F(PacedRecording, FrameRatesSetTheInterval)
{
    EXPECT_EQ(recorder_.frameIntervalMs(), 60); // before any parameters
    recorder_.setVideoParams(640, 480, 0);      // kept when fps is not positive
    EXPECT_EQ(recorder_.frameIntervalMs(), 60);
    recorder_.setVideoParams(640, 480, 30);
    EXPECT_EQ(recorder_.frameIntervalMs(), 33);
    recorder_.setVideoParams(640, 480, -5);
    EXPECT_EQ(recorder_.frameIntervalMs(), 33);
    // Above 1000 fps the interval would be 0 ms; it stays at 1 ms instead of
    // dividing by zero on the next late frame.
    startAt(0, 5000);
    EXPECT_EQ(recorder_.frameIntervalMs(), 1);
    feed(0, 0);
    feed(1, 5); // 5 ms late at 1 ms: held frame once, new frame 4 times
    EXPECT_EQ(writtenFrames(), (std::vector<int>{0, 0, 1, 1, 1, 1}));
    recorder_.stop();
}

TEST_F(PacedRecording, ClockWrappingAround32BitsKeepsThePace)
{
    const std::uint32_t start = 0xFFFFFFF0u;
    startAt(start, 15);
    feed(0, start);
    feed(1, start + 40);  // wraps to 24: 40 ms elapsed, held
    feed(2, start + 70);  // 70 ms elapsed: one due frame
    EXPECT_EQ(recorder_.nextDueMs(), start + 66);
    feed(3, start + 100); // held
    ASSERT_EQ(recorder_.stop(), 0);
    EXPECT_EQ(writtenFrames(), (std::vector<int>{0, 1, 3}));
    expectPlayable(3);
}

TEST_F(PacedRecording, EachRecordingStartsItsOwnPace)
{
    startAt(0, 10);
    feed(0, 0);
    feed(1, 50);
    ASSERT_EQ(recorder_.stop(), 0);
    EXPECT_FALSE(recorder_.recording());

    // Next recording at a clock far away: its first frame is written at once,
    // no catch-up burst against the old recording's due time.
    startAt(900000, 10);
    feed(2, 900000);
    EXPECT_EQ(recorder_.nextDueMs(), 900000u);
    ASSERT_EQ(recorder_.stop(), 0);
    EXPECT_EQ(writtenFrames(), (std::vector<int>{2, 2}));
    EXPECT_EQ(medium_->opens, 2);
}

} // namespace
