// SPDX-License-Identifier: GPL-3.0-or-later

// Sound: the audio thread's feeding of the recorder, driven by a scripted
// source, and a recording with and without a capture device.

// GoogleTest before Xlib (through the recording's headers).
#include <gtest/gtest.h>

#include "private_x_server.h"
#include "recording_probe.h"
#include "scratch_folder.h"

#include "audio/alsa_audio_source.h"
#include "audio/audio_thread.h"
#include "session/recording.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

// Hands out the given pieces of sound one per read, then reports either
// silence (a quiet microphone) or a failure.
class ScriptedAudioSource : public grabix::AudioSource {
public:
    ScriptedAudioSource(std::vector<Bytes> pieces, bool failAtEnd)
        : pieces_(std::move(pieces)), failAtEnd_(failAtEnd)
    {
    }
    grabix::AudioFormat format() const override { return {}; }
    long read(std::uint8_t *buffer, std::size_t capacity, std::string &why) override
    {
        if (next_ < pieces_.size()) {
            const Bytes &piece = pieces_[next_++];
            const std::size_t n = std::min(capacity, piece.size());
            std::copy(piece.begin(), piece.begin() + static_cast<long>(n), buffer);
            return static_cast<long>(n);
        }
        if (failAtEnd_) {
            why = "the device was unplugged";
            return -1;
        }
        std::this_thread::sleep_for(2ms);
        return 0;
    }
    bool exhausted() const { return next_ == pieces_.size(); }

private:
    std::vector<Bytes> pieces_;
    std::atomic<std::size_t> next_{0}; // read by the test while the thread reads sound
    bool failAtEnd_;
};

class CollectingSink : public grabix::MediaSink {
public:
    void addVideo(const std::uint8_t *, std::size_t) override {}
    void addAudio(const std::uint8_t *pcm, std::size_t size) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pieces_.emplace_back(pcm, pcm + size);
    }
    std::vector<Bytes> pieces() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return pieces_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Bytes> pieces_;
};

std::vector<Bytes> piecesOfSound(int count)
{
    std::vector<Bytes> pieces;
    for (int i = 0; i < count; ++i)
        pieces.push_back(Bytes(100 + i * 2, static_cast<std::uint8_t>(i + 1)));
    return pieces;
}

void waitUntil(const std::function<bool()> &done)
{
    for (int i = 0; i < 2000 && !done(); ++i)
        std::this_thread::sleep_for(5ms);
}

TEST(AudioThread, DeliversEveryPieceInOrderUntilStopped)
{
    const std::vector<Bytes> sound = piecesOfSound(20);
    ScriptedAudioSource source(sound, false);
    CollectingSink sink;
    grabix::AudioThread thread(source, sink);
    thread.start();
    waitUntil([&] { return sink.pieces().size() == sound.size(); });
    thread.stop();
    EXPECT_EQ(sink.pieces(), sound);
    EXPECT_EQ(thread.failure(), "");
}

TEST(AudioThread, FailingSourceEndsTheThreadWithOneMessage)
{
    const std::vector<Bytes> sound = piecesOfSound(3);
    ScriptedAudioSource source(sound, true);
    CollectingSink sink;
    grabix::AudioThread thread(source, sink);
    ::testing::internal::CaptureStderr();
    thread.start();
    waitUntil([&] { return sink.pieces().size() == sound.size(); });
    std::this_thread::sleep_for(20ms);
    thread.stop();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sink.pieces(), sound);
    EXPECT_EQ(thread.failure(), "the device was unplugged");
    EXPECT_EQ(said, "grabix: the device was unplugged; the recording goes on without sound\n");
}

TEST(AlsaAudioSource, MissingDeviceGivesItsReasonAndKeepsAlsaQuiet)
{
    std::string why;
    ::testing::internal::CaptureStderr();
    auto source = grabix::AlsaAudioSource::open("hw:CARD=grabix_no_such_card", why);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(source);
    EXPECT_NE(why.find("hw:CARD=grabix_no_such_card"), std::string::npos) << why;
    EXPECT_EQ(said, "");
}

// ALSA's "null" device exists wherever ALSA does and delivers silence at
// once: enough to drive the real read path.
TEST(AlsaAudioSource, ReadsWholeSampleFramesWithinTheCapacity)
{
    std::string why;
    auto source = grabix::AlsaAudioSource::open("null", why);
    if (!source)
        GTEST_SKIP() << why;
    EXPECT_EQ(source->format().sampleRate, 44100);
    std::vector<std::uint8_t> buffer(4411, 0xEE);
    const long got = source->read(buffer.data(), 4411, why);
    EXPECT_GT(got, 0) << why;
    EXPECT_LE(got, 4410);
    EXPECT_EQ(got % 2, 0);
    EXPECT_EQ(buffer[4410], 0xEE);
}

grabix::RecordingSettings settingsFor(const std::string &path)
{
    grabix::RecordingSettings s;
    s.path = path;
    s.rect = {0, 0, 96, 64};
    s.frameRate = 20;
    s.audio = true;
    return s;
}

TEST(RecordingSound, SoundFromTheSourceGoesIntoAPcmTrack)
{
    PrivateXServer server(640, 480);
    if (!server.running())
        GTEST_SKIP() << server.problem();
    ScratchFolder dir;
    const std::string path = dir.file("sound.avi");
    ScriptedAudioSource *source = nullptr;
    grabix::Failure failure;
    auto recording = grabix::Recording::start(settingsFor(path), failure, [&](std::string &) {
        auto s = std::make_unique<ScriptedAudioSource>(piecesOfSound(10), false);
        source = s.get();
        return s;
    });
    ASSERT_TRUE(recording) << failure.detail;
    waitUntil([&] { return source->exhausted(); });
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(recording->stop().failed());
    const grabix::RecordingStats stats = recording->stats();
    EXPECT_TRUE(stats.sound);
    std::uint64_t expected = 0;
    for (const Bytes &piece : piecesOfSound(10))
        expected += piece.size();
    EXPECT_EQ(stats.audioBytes, expected);

    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.videoCodec, "mjpeg");
    EXPECT_EQ(info.audioCodec, "pcm_s16le");
}

TEST(RecordingSound, WithoutACaptureDeviceTheRecordingIsVideoOnly)
{
    PrivateXServer server(640, 480);
    if (!server.running())
        GTEST_SKIP() << server.problem();
    ScratchFolder dir;
    const std::string path = dir.file("silent.avi");
    grabix::Failure failure;
    ::testing::internal::CaptureStderr();
    auto recording = grabix::Recording::start(settingsFor(path), failure, [](std::string &why) {
        why = "sound capture device \"default\": cannot open: No such file or directory";
        return std::unique_ptr<grabix::AudioSource>();
    });
    ASSERT_TRUE(recording) << failure.detail;
    EXPECT_TRUE(waitForRecordedData(path));
    EXPECT_FALSE(recording->stop().failed());
    const std::string said = ::testing::internal::GetCapturedStderr();
    // Said once; a loaded machine may add a line about dropped frames.
    const std::string expected = "grabix: no sound capture device (sound capture device \"default\": "
                                 "cannot open: No such file or directory); recording video only\n";
    EXPECT_EQ(said.find(expected), 0u) << said;
    EXPECT_EQ(said.find(expected, 1), std::string::npos) << said;
    EXPECT_FALSE(recording->stats().sound);

    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.videoCodec, "mjpeg");
    EXPECT_EQ(info.audioCodec, "");
}

} // namespace
