// The recorder's lock: adds and stop from different threads, as the exports
// allow. Runs under ThreadSanitizer in CI.

#include "avi_image.h"
#include "fixed_jpeg.h"
#include "media_probe.h"
#include "scratch_dir.h"

#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Video, audio and stop from three threads, as the exports allow: the file
// stays consistent whichever add comes last.
TEST(RecorderThreads, AddsFromTwoThreadsAndAStopFromAThird)
{
    ScratchDir dir;
    const std::string path = dir.file("threads.avi");
    std::atomic<std::uint32_t> now{0};
    Recorder recorder(qv::RecorderSeams{[&] { return now.load(); }, nullptr});
    recorder.setVideoParams(kTestFrameWidth, kTestFrameHeight, 15);
    recorder.setAudioParams(1, 8000, 16);
    ASSERT_TRUE(recorder.start(path.c_str()));
    const JpegBytes &frame = fixedJpeg();
    const std::vector<std::uint8_t> pcm(320, 0);
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
    long frames = 0;
    for (const AviChunkRef &c : avi.movieChunks())
        frames += c.id == "00db";
    EXPECT_GT(frames, 0);
    expectPlayableMjpeg(path, frames, DecodeScope::VideoOnly);
}

} // namespace
