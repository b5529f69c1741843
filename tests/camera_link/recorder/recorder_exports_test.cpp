// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder through its exported C functions, on real files, as the
// application drives it: calling order, ignored calls, and the recording
// situations outside the usual order.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "qv_camera.h"
#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void addFrame(Recorder *r, int n)
{
    QV_AddVideoData(r, testJpeg(n).data(), static_cast<int>(testJpeg(n).size()));
}

TEST(RecorderExports, NullHandlesAreIgnored)
{
    QV_DeInitRecord(nullptr);
    QV_SetVideoParams(nullptr, 640, 480, 15);
    QV_SetAudioParams(nullptr, 1, 8000, 16);
    EXPECT_EQ(QV_StartRecord(nullptr, "/tmp/never-created.avi"), 0);
    EXPECT_FALSE(std::filesystem::exists("/tmp/never-created.avi"));
    QV_AddVideoData(nullptr, "x", 1);
    QV_AddAudioData(nullptr, "x", 1);
    QV_StopRecord(nullptr);
}

TEST(RecorderExports, StartingTwiceKeepsTheFirstFile)
{
    ScratchDir dir;
    Recorder *r = QV_InitRecord();
    ASSERT_NE(r, nullptr);
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    ASSERT_EQ(QV_StartRecord(r, dir.file("first.avi").c_str()), 1);
    addFrame(r, 0);
    EXPECT_EQ(QV_StartRecord(r, dir.file("second.avi").c_str()), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("second.avi")));
    QV_StopRecord(r);
    QV_DeInitRecord(r);

    const AviImage avi = AviImage::fromFile(dir.file("first.avi"));
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.movieChunks().size(), 2u); // the frame, and again at stop
}

TEST(RecorderExports, StopRightAfterStartWritesOneEmptyFrame)
{
    ScratchDir dir;
    const std::string path = dir.file("empty.avi");
    Recorder *r = QV_InitRecord();
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    ASSERT_EQ(QV_StartRecord(r, path.c_str()), 1);
    QV_StopRecord(r);
    QV_DeInitRecord(r);

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.u32(48), 1u);
    const auto index = avi.index();
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].id, "00db");
    EXPECT_EQ(index[0].length, 0u);
    // The media tools open it and find the MJPEG stream. The one chunk is
    // empty: there is no picture to decode (a full decode can only report
    // that it never saw one), so the decode check does not apply here.
    const VideoProbe probe = probeVideo(path);
    EXPECT_EQ(probe.codec, "mjpeg");
    EXPECT_LE(probe.framesRead, 0);
}

TEST(RecorderExports, AudioOnlyRecordingStillHasAVideoList)
{
    ScratchDir dir;
    const std::string path = dir.file("audio.avi");
    Recorder *r = QV_InitRecord();
    QV_SetAudioParams(r, 1, 8000, 16);
    ASSERT_EQ(QV_StartRecord(r, path.c_str()), 1);
    std::vector<std::int16_t> pcm(800);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<std::int16_t>((i % 40) * 800 - 16000);
    for (int i = 0; i < 5; ++i)
        QV_AddAudioData(r, pcm.data(), static_cast<int>(pcm.size() * 2));
    QV_StopRecord(r);
    QV_DeInitRecord(r);

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.u32(56), 2u);  // streams
    EXPECT_EQ(avi.u32(64), 0u);  // width
    EXPECT_EQ(avi.u32(112), 0u); // no compressor
    EXPECT_EQ(avi.u32(212 + 52), 8000u); // 4 * 8000 bytes / S (= 4)
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 6u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(chunks[i].id, "01wb");
    EXPECT_EQ(chunks[5].id, "00db");
    EXPECT_EQ(chunks[5].length, 0u);
    // Without video parameters there is no compressor, so the media tools
    // see an (empty) uncompressed video stream beside the sound.
    EXPECT_EQ(probeVideo(path).codec, "rawvideo");
    EXPECT_EQ(probeAudioCodec(path), "pcm_s16le");
    EXPECT_EQ(decodeErrors(path), "");
}

TEST(RecorderExports, CallsOutsideARecordingAreIgnored)
{
    ScratchDir dir;
    const std::string path = dir.file("ignored.avi");
    Recorder *r = QV_InitRecord();
    addFrame(r, 0); // not recording yet
    QV_AddAudioData(r, "abcd", 4);
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    ASSERT_EQ(QV_StartRecord(r, path.c_str()), 1);
    QV_AddVideoData(r, nullptr, 10);
    QV_AddVideoData(r, testJpeg(1).data(), -1);
    QV_AddAudioData(r, nullptr, 10);
    QV_AddAudioData(r, "abcd", -4);
    addFrame(r, 2);
    QV_StopRecord(r);
    QV_StopRecord(r); // stopping again does nothing
    addFrame(r, 3);   // after stop
    QV_DeInitRecord(r);

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(avi.chunkData(chunks[0]), testJpeg(2));
    EXPECT_EQ(avi.chunkData(chunks[1]), testJpeg(2));
}

TEST(RecorderExports, FileThatCannotBeCreatedLeavesTheRecorderIdle)
{
    ScratchDir dir;
    Recorder *r = QV_InitRecord();
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    EXPECT_EQ(QV_StartRecord(r, dir.file("missing/folder.avi").c_str()), 0);
    EXPECT_EQ(QV_StartRecord(r, "/dev/full"), 0); // header area cannot be written
    EXPECT_EQ(QV_StartRecord(r, nullptr), 0);
    addFrame(r, 0);
    QV_StopRecord(r);

    // Still usable afterwards.
    const std::string path = dir.file("later.avi");
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    ASSERT_EQ(QV_StartRecord(r, path.c_str()), 1);
    addFrame(r, 1);
    QV_StopRecord(r);
    QV_DeInitRecord(r);
    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.movieChunks().size(), 2u);
}

TEST(RecorderExports, StopClearsTheParameterFlags)
{
    ScratchDir dir;
    Recorder *r = QV_InitRecord();
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    QV_SetAudioParams(r, 2, 44100, 16);
    ASSERT_EQ(QV_StartRecord(r, dir.file("a.avi").c_str()), 1);
    addFrame(r, 0);
    QV_StopRecord(r);
    ASSERT_EQ(QV_StartRecord(r, dir.file("b.avi").c_str()), 1);
    addFrame(r, 1);
    QV_StopRecord(r);
    QV_DeInitRecord(r);

    const AviImage a = AviImage::fromFile(dir.file("a.avi"));
    EXPECT_EQ(a.u32(56), 2u); // streams
    EXPECT_EQ(a.u32(64), static_cast<std::uint32_t>(kTestFrameWidth));
    EXPECT_EQ(a.text(112), "MJPG");

    // Without new parameters the next file has no audio list and a video
    // list without size or compressor (which the media tools take for
    // uncompressed pictures of no size): callers set the parameters before
    // every start.
    const AviImage b = AviImage::fromFile(dir.file("b.avi"));
    EXPECT_EQ(b.structureProblem(), "");
    EXPECT_EQ(b.u32(56), 1u);
    EXPECT_EQ(b.u32(64), 0u);
    EXPECT_EQ(b.u32(112), 0u);
    EXPECT_EQ(b.movieChunks().size(), 2u);
}

TEST(RecorderExports, DeInitWhileRecordingFinishesTheFile)
{
    ScratchDir dir;
    const std::string path = dir.file("abandoned.avi");
    Recorder *r = QV_InitRecord();
    QV_SetVideoParams(r, kTestFrameWidth, kTestFrameHeight, 15);
    ASSERT_EQ(QV_StartRecord(r, path.c_str()), 1);
    addFrame(r, 0);
    addFrame(r, 1);
    QV_DeInitRecord(r);

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_TRUE(avi.hasIndexChunk());
    // Frame 0 at once, frame 1 held and written on the way out.
    EXPECT_EQ(avi.chunkData(avi.movieChunks().at(1)), testJpeg(1));
}

TEST(RecorderStop, ReportsChunksThatDidNotMakeItIntoTheFile)
{
    auto medium = std::make_shared<MemoryMedium>();
    std::uint32_t now = 0;
    Recorder recorder(qv::RecorderSeams{[&] { return now; },
                                        [&](const std::string &) { return openMemoryStorage(medium); }});
    recorder.setVideoParams(kTestFrameWidth, kTestFrameHeight, 10);
    ASSERT_TRUE(recorder.start("memory"));
    recorder.addVideo(testJpeg(0).data(), static_cast<int>(testJpeg(0).size()));
    medium->capacity = medium->bytes.size() + 64; // full from now on
    now = 100;
    recorder.addVideo(testJpeg(1).data(), static_cast<int>(testJpeg(1).size()));
    medium->capacity = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(recorder.stop(), -1);
    EXPECT_EQ(AviImage(medium->bytes).structureProblem(), "");

    ASSERT_TRUE(recorder.start("memory"));
    recorder.addVideo(testJpeg(2).data(), static_cast<int>(testJpeg(2).size()));
    EXPECT_EQ(recorder.stop(), 0);
}

} // namespace
