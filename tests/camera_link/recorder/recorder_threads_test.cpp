// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder's lock: adds and stop from different threads, as the exports
// allow. Runs under ThreadSanitizer in CI; no image library runs here (its
// internal locks would be reported), so the frames are plain bytes.

#include "avi_image.h"
#include "scratch_dir.h"

#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Video, audio and stop from three threads: the file stays consistent
// whichever add comes last, and no chunk is torn or mixed with another.
TEST(RecorderThreads, AddsFromTwoThreadsAndAStopFromAThird)
{
    ScratchDir dir;
    const std::string path = dir.file("threads.avi");
    std::atomic<std::uint32_t> now{0};
    Recorder recorder(qv::RecorderSeams{[&] { return now.load(); }, nullptr});
    recorder.setVideoParams(64, 48, 15);
    recorder.setAudioParams(1, 8000, 16);
    ASSERT_TRUE(recorder.start(path.c_str()));
    const std::vector<std::uint8_t> frame(999, 0xF0);
    const std::vector<std::uint8_t> pcm(320, 0x0A);
    std::atomic<int> videoAdded{0};
    std::atomic<int> audioAdded{0};

    std::thread video([&] {
        for (int i = 0; i < 300; ++i) {
            now += 20;
            recorder.addVideo(frame.data(), static_cast<int>(frame.size()));
            ++videoAdded;
        }
    });
    std::thread audio([&] {
        for (int i = 0; i < 300; ++i) {
            recorder.addAudio(pcm.data(), static_cast<int>(pcm.size()));
            ++audioAdded;
        }
    });
    std::thread stopper([&] {
        // Stop once each has added some, usually while both still add.
        while (videoAdded.load() < 100 || audioAdded.load() < 100)
            std::this_thread::yield();
        recorder.stop();
    });
    video.join();
    audio.join();
    stopper.join();
    EXPECT_FALSE(recorder.recording());

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    long frames = 0, sounds = 0;
    for (const AviChunkRef &c : avi.movieChunks()) {
        if (c.id == "00db") {
            ++frames;
            EXPECT_EQ(avi.chunkData(c), frame);
        } else {
            ++sounds;
            EXPECT_EQ(avi.chunkData(c), pcm) << c.id;
        }
    }
    EXPECT_GT(frames, 0);
    EXPECT_GT(sounds, 0);
}

} // namespace
