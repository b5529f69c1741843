// SPDX-License-Identifier: GPL-3.0-or-later

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
                                      [this](const std::string &) { return openMemoryStorage(medium_); }})
    {
    }

    // Records frames fed as (frame number, clock) at fps; returns the frame
    // numbers the file holds, in order (-1 for an unknown one).
    std::vector<int> record(int fps, const std::vector<std::pair<int, std::uint32_t>> &feeds)
    {
        now_ = feeds.front().second;
        recorder_.setVideoParams(kTestFrameWidth, kTestFrameHeight, fps);
        EXPECT_TRUE(recorder_.start("memory"));
        for (const auto &f : feeds) {
            now_ = f.second;
            recorder_.addVideo(testJpeg(f.first).data(), static_cast<int>(testJpeg(f.first).size()));
        }
        EXPECT_EQ(recorder_.stop(), 0);
        const AviImage avi(medium_->bytes);
        EXPECT_EQ(avi.structureProblem(), "");
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

    std::uint32_t now_ = 0;
    std::shared_ptr<MemoryMedium> medium_;
    Recorder recorder_;
};

TEST_F(PacedRecording, FifteenFpsFedEvery33msKeepsTheNewestFrameBeforeEachDueTime)
{
    std::vector<std::pair<int, std::uint32_t>> feeds;
    for (int i = 0; i < 10; ++i)
        feeds.emplace_back(i, 1000 + 33 * static_cast<std::uint32_t>(i));
    // Written at 0 (the first), then at 66, 132, 198, 264 the frame held
    // since the previous add; the last one received is written by stop.
    EXPECT_EQ(record(15, feeds), (std::vector<int>{0, 1, 3, 5, 7, 9}));
    ScratchDir dir;
    saveMedium(*medium_, dir.file("paced.avi"));
    expectPlayableMjpeg(dir.file("paced.avi"), 6);
}

TEST_F(PacedRecording, LateFrameWritesTheHeldFrameOnceAndTheNewFrameForEachMissedSlot)
{
    // 200 ms late at 66 ms: held frame once, new frame twice; the frame at
    // 300 ms comes before the next due time and is only held.
    EXPECT_EQ(record(15, {{0, 0}, {1, 200}, {2, 300}}), (std::vector<int>{0, 0, 1, 1, 2}));
}

TEST_F(PacedRecording, AboveAThousandFpsTheIntervalStaysAtOneMillisecond)
{
    // An interval of 0 ms would divide by zero on the next late frame.
    // 5 ms late at 1 ms: held frame once, new frame 4 times.
    EXPECT_EQ(record(5000, {{0, 0}, {1, 5}}), (std::vector<int>{0, 0, 1, 1, 1, 1, 1}));
}

TEST_F(PacedRecording, ClockWrappingAround32BitsKeepsThePace)
{
    const std::uint32_t start = 0xFFFFFFF0u;
    // 40 ms elapsed (wrapped to 24): held; 70 ms: one due frame; 100: held.
    EXPECT_EQ(record(15, {{0, start}, {1, start + 40}, {2, start + 70}, {3, start + 100}}),
              (std::vector<int>{0, 1, 3}));
}

TEST_F(PacedRecording, FrameRatesOfZeroOrLessKeepTheInterval)
{
    recorder_.setVideoParams(640, 480, 30);
    recorder_.setVideoParams(640, 480, 0);
    recorder_.setVideoParams(640, 480, -5);
    EXPECT_EQ(recorder_.frameIntervalMs(), 33);
}

TEST_F(PacedRecording, EachRecordingStartsItsOwnPace)
{
    record(10, {{0, 0}, {1, 50}});
    EXPECT_FALSE(recorder_.recording());
    // Next recording at a clock far away: its first frame is written at once,
    // no catch-up burst against the old recording's due time.
    EXPECT_EQ(record(10, {{2, 900000}}), (std::vector<int>{2, 2}));
    EXPECT_EQ(medium_->opens, 2);
}

} // namespace
