// The header area of recorded files, field by field, in the open state (as
// rewritten after each set call) and in the finished state.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "recorder/avi_error.h"
#include "recorder/avi_file.h"
#include "recorder/avi_header.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using qv::AviFile;

std::unique_ptr<AviFile> openOnMemory(const std::shared_ptr<MemoryMedium> &medium)
{
    return AviFile::openOn(openMemoryStorage(medium));
}

void expectVideoList(const AviImage &avi, std::uint32_t width, std::uint32_t height,
                     std::uint32_t fourcc, std::uint32_t rate, std::uint32_t frames)
{
    EXPECT_EQ(avi.text(88), "LIST");
    EXPECT_EQ(avi.u32(92), 116u);
    EXPECT_EQ(avi.text(96), "strl");
    EXPECT_EQ(avi.text(100), "strh");
    EXPECT_EQ(avi.u32(104), 56u);
    EXPECT_EQ(avi.text(108), "vids");
    EXPECT_EQ(avi.u32(112), fourcc);
    EXPECT_EQ(avi.u32(116), 0u);      // flags
    EXPECT_EQ(avi.u32(120), 0u);      // priority, language
    EXPECT_EQ(avi.u32(124), 0u);      // initial frames
    EXPECT_EQ(avi.u32(128), 1000000u); // scale
    EXPECT_EQ(avi.u32(132), rate);
    EXPECT_EQ(avi.u32(136), 0u);      // start
    EXPECT_EQ(avi.u32(140), frames);  // length
    EXPECT_EQ(avi.u32(144), 0u);      // suggested buffer
    EXPECT_EQ(avi.u32(148), 0xFFFFFFFFu);
    EXPECT_EQ(avi.u32(152), 0u);      // sample size
    EXPECT_EQ(avi.u32(156), 0u);
    EXPECT_EQ(avi.u32(160), 0u);
    EXPECT_EQ(avi.text(164), "strf");
    EXPECT_EQ(avi.u32(168), 40u);
    EXPECT_EQ(avi.u32(172), 40u);
    EXPECT_EQ(avi.u32(176), width);
    EXPECT_EQ(avi.u32(180), height);
    EXPECT_EQ(avi.u16(184), 1u);
    EXPECT_EQ(avi.u16(186), 24u);
    EXPECT_EQ(avi.u32(188), fourcc);
    EXPECT_EQ(avi.u32(192), width * height * 3);
    for (std::size_t o = 196; o < 212; o += 4)
        EXPECT_EQ(avi.u32(o), 0u) << "offset " << o;
}

void expectAudioList(const AviImage &avi, std::size_t at, std::uint16_t channels,
                     std::uint32_t rate, std::uint16_t bits, std::uint32_t blockQuarter,
                     std::uint32_t length)
{
    EXPECT_EQ(avi.text(at), "LIST");
    EXPECT_EQ(avi.u32(at + 4), 92u);
    EXPECT_EQ(avi.text(at + 8), "strl");
    EXPECT_EQ(avi.text(at + 12), "strh");
    EXPECT_EQ(avi.u32(at + 16), 56u);
    EXPECT_EQ(avi.text(at + 20), "auds");
    EXPECT_EQ(avi.u32(at + 24), 0u);
    EXPECT_EQ(avi.u32(at + 28), 0u);
    EXPECT_EQ(avi.u32(at + 32), 0u);
    EXPECT_EQ(avi.u32(at + 36), 0u);
    EXPECT_EQ(avi.u32(at + 40), blockQuarter); // scale
    EXPECT_EQ(avi.u32(at + 44), 8192000u);    // rate word 65536 * 1000 / 8
    EXPECT_EQ(avi.u32(at + 48), 0u);
    EXPECT_EQ(avi.u32(at + 52), length);
    EXPECT_EQ(avi.u32(at + 56), 0u);
    EXPECT_EQ(avi.u32(at + 60), 0xFFFFFFFFu);
    EXPECT_EQ(avi.u32(at + 64), blockQuarter); // sample size
    EXPECT_EQ(avi.u32(at + 68), 0u);
    EXPECT_EQ(avi.u32(at + 72), 0u);
    EXPECT_EQ(avi.text(at + 76), "strf");
    EXPECT_EQ(avi.u32(at + 80), 16u);
    EXPECT_EQ(avi.u16(at + 84), 1u); // PCM
    EXPECT_EQ(avi.u16(at + 86), channels);
    EXPECT_EQ(avi.u32(at + 88), rate);
    EXPECT_EQ(avi.u32(at + 92), 8192000u);
    EXPECT_EQ(avi.u16(at + 96), blockQuarter);
    EXPECT_EQ(avi.u16(at + 98), bits);
}

void expectJunkUpTo2036(const AviImage &avi, std::size_t junkAt)
{
    EXPECT_EQ(avi.text(junkAt), "JUNK");
    EXPECT_EQ(avi.u32(junkAt + 4), 2028u - junkAt);
    for (std::size_t o = junkAt + 8; o < 2036; ++o)
        ASSERT_EQ(avi.bytes()[o], 0) << "JUNK byte at " << o;
}

std::uint32_t fourccOf(const char *t)
{
    std::uint32_t v;
    std::memcpy(&v, t, 4);
    return v; // the tests run on little-endian hosts, as the file format is
}

TEST(AviHeader, OpenStateAfterSetVideoCarriesPlaceholders)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = openOnMemory(medium);
    ASSERT_TRUE(file);
    ASSERT_EQ(medium->bytes.size(), 2048u);
    ASSERT_EQ(file->setVideo(1920, 1080, 15.0, "MJPG"), 0);

    const AviImage avi(medium->bytes);
    ASSERT_EQ(avi.size(), 2048u);
    EXPECT_EQ(avi.text(0), "RIFF");
    EXPECT_EQ(avi.u32(4), 0xFEFFF003u);
    EXPECT_EQ(avi.text(8), "AVI ");
    EXPECT_EQ(avi.text(12), "LIST");
    EXPECT_EQ(avi.u32(16), 4u + 64 + 124);
    EXPECT_EQ(avi.text(20), "hdrl");
    EXPECT_EQ(avi.text(24), "avih");
    EXPECT_EQ(avi.u32(28), 56u);
    EXPECT_EQ(avi.u32(32), 66667u); // 1e6 / 15 rounded
    EXPECT_EQ(avi.u32(36), 0u);
    EXPECT_EQ(avi.u32(40), 0u);
    EXPECT_EQ(avi.u32(44), 0x110u);
    EXPECT_EQ(avi.u32(48), 0u);
    EXPECT_EQ(avi.u32(52), 0u);
    EXPECT_EQ(avi.u32(56), 1u);
    EXPECT_EQ(avi.u32(60), 0u);
    EXPECT_EQ(avi.u32(64), 1920u);
    EXPECT_EQ(avi.u32(68), 1080u);
    for (std::size_t o = 72; o < 88; o += 4)
        EXPECT_EQ(avi.u32(o), 0u);
    expectVideoList(avi, 1920, 1080, fourccOf("MJPG"), 15000000u, 0);
    expectJunkUpTo2036(avi, 212);
    EXPECT_EQ(avi.text(2036), "LIST");
    EXPECT_EQ(avi.u32(2040), 0xFEFFF003u);
    EXPECT_EQ(avi.text(2044), "movi");
    file->close();
}

TEST(AviHeader, FinishedFileCarriesSizesCountsAndInfo)
{
    ScratchDir dir;
    const std::string path = dir.file("finished.avi");
    auto file = AviFile::open(path);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->setVideo(kTestFrameWidth, kTestFrameHeight, 25.0, "MJPG"), 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(file->writeFrame(testJpeg(i).data(), testJpeg(i).size(), false), 0);
    const std::uint64_t movieEnd = file->position();
    ASSERT_EQ(file->close(), 0);

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.size(), movieEnd + 8 + 3 * 16);
    EXPECT_EQ(avi.u32(4), avi.size() - 8);
    EXPECT_EQ(avi.u32(32), 40000u);
    EXPECT_EQ(avi.u32(44), 0x110u);
    EXPECT_EQ(avi.u32(48), 3u);
    expectVideoList(avi, kTestFrameWidth, kTestFrameHeight, fourccOf("MJPG"), 25000000u, 3);
    EXPECT_EQ(avi.text(212), "LIST");
    EXPECT_EQ(avi.u32(216), 76u);
    EXPECT_EQ(avi.text(220), "INFO");
    EXPECT_EQ(avi.text(224), "ISFT");
    EXPECT_EQ(avi.u32(228), 64u);
    for (std::size_t o = 232; o < 296; ++o)
        ASSERT_EQ(avi.bytes()[o], 0);
    expectJunkUpTo2036(avi, 296);
    EXPECT_EQ(avi.u32(2040), movieEnd - 2044);
    EXPECT_EQ(avi.text(movieEnd), "idx1");
    expectPlayableMjpeg(path, 3);
}

TEST(AviHeader, AudioTracksGetTheirListsAndLengths)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = openOnMemory(medium);
    ASSERT_EQ(file->setVideo(320, 240, 30.0, "MJPG"), 0);
    ASSERT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), 0); // S = max(4, 2) = 4
    ASSERT_EQ(file->setAudio(2, 44100, 16, 1, 0x10000), 0); // S = 4
    ASSERT_EQ(file->setAudio(6, 48000, 24, 1, 0x10000), 0); // S = 18 -> S/4 = 4
    {
        const AviImage open(medium->bytes);
        EXPECT_EQ(open.u32(16), 4u + 64 + 124 + 3 * 100);
        EXPECT_EQ(open.u32(56), 4u);
        expectAudioList(open, 212, 1, 8000, 16, 1, 0);
        expectAudioList(open, 312, 2, 44100, 16, 1, 0);
        expectAudioList(open, 412, 6, 48000, 24, 4, 0);
        expectJunkUpTo2036(open, 512);
    }
    // Audio goes to the track set last.
    std::vector<std::uint8_t> pcm(1800, 0);
    ASSERT_EQ(file->writeAudio(pcm.data(), pcm.size()), 0);
    ASSERT_EQ(file->writeAudio(pcm.data(), 900), 0);
    ASSERT_EQ(file->close(), 0);

    const AviImage avi(medium->bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    expectAudioList(avi, 212, 1, 8000, 16, 1, 0);
    expectAudioList(avi, 312, 2, 44100, 16, 1, 0);
    expectAudioList(avi, 412, 6, 48000, 24, 4, 4 * 2700 / 18);
    EXPECT_EQ(avi.text(512), "LIST");
    EXPECT_EQ(avi.text(520), "INFO");
    expectJunkUpTo2036(avi, 596);
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].id, "03wb");
    EXPECT_EQ(chunks[1].id, "03wb");
}

TEST(AviHeader, NinthAudioTrackIsRefusedWithoutEndingTheProcess)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = openOnMemory(medium);
    for (int t = 0; t < 8; ++t)
        ASSERT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), 0) << "track " << t;
    EXPECT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), -1);
    EXPECT_EQ(file->audioTrackCount(), 8);

    std::vector<std::uint8_t> pcm(64, 1);
    ASSERT_EQ(file->writeAudio(pcm.data(), pcm.size()), 0);
    ASSERT_EQ(file->close(), 0);
    const AviImage avi(medium->bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.u32(56), 9u);
    EXPECT_EQ(avi.movieChunks().at(0).id, "08wb");
    // Eight audio lists and the INFO list still leave room for JUNK.
    expectJunkUpTo2036(avi, 212 + 800 + 84);
}

TEST(AviHeader, CompressorTextAndFrameRateEdges)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = openOnMemory(medium);

    ASSERT_EQ(file->setVideo(8, 8, 0.0005, "RGB24"), 0);
    AviImage avi(medium->bytes);
    EXPECT_EQ(avi.u32(32), 0u);    // below 0.001 fps: no frame duration
    EXPECT_EQ(avi.u32(112), 0u);   // "RGB..." means uncompressed
    EXPECT_EQ(avi.u32(188), 0u);
    EXPECT_EQ(avi.u32(132), 500u); // 0.0005 * 1e6 rounded

    ASSERT_EQ(file->setVideo(8, 8, 29.97, "XV"), 0); // short text: zero padded
    avi = AviImage(medium->bytes);
    EXPECT_EQ(avi.u32(112), fourccOf("XV\0\0"));
    EXPECT_EQ(avi.u32(132), 29970000u);
    EXPECT_EQ(avi.u32(32), 33367u);

    // A frame rate whose rate field would not fit 32 bits is clamped.
    ASSERT_EQ(file->setVideo(8, 8, 1e7, "MJPG"), 0);
    avi = AviImage(medium->bytes);
    EXPECT_EQ(avi.u32(132), 0xFFFFFFFFu);
    EXPECT_EQ(avi.u32(32), 0u); // 0.1 us rounds to 0
    file->close();
}

TEST(AviHeader, EmptyFileFromOpenAndCloseIsStillComplete)
{
    ScratchDir dir;
    const std::string path = dir.file("nothing.avi");
    auto file = AviFile::open(path);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->close(), 0);
    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.size(), 2048u + 8);
    EXPECT_EQ(avi.u32(2040), 4u);
    EXPECT_EQ(avi.u32(64), 0u); // video list with width, height 0
    // Without video parameters there is no compressor: an empty
    // uncompressed stream, as far as the media tools are concerned.
    EXPECT_EQ(probeVideo(path).codec, "rawvideo");
}

TEST(AviErrorText, EveryCodeHasItsText)
{
    EXPECT_STREQ(qv::aviErrorText(0), "avilib - No Error");
    EXPECT_STREQ(qv::aviErrorText(1), "avilib - AVI file size limit reached");
    EXPECT_STREQ(qv::aviErrorText(2), "avilib - Error opening AVI file");
    EXPECT_STREQ(qv::aviErrorText(4), "avilib - Error writing to AVI file");
    EXPECT_STREQ(qv::aviErrorText(5), "avilib - Error writing index (file may still be useable)");
    EXPECT_STREQ(qv::aviErrorText(6), "avilib - Error closing AVI file");
    EXPECT_STREQ(qv::aviErrorText(8), "avilib - Out of memory (malloc failed)");
    EXPECT_STREQ(qv::aviErrorText(13), "avilib - operation needs an index");
    EXPECT_STREQ(qv::aviErrorText(14), "avilib - Unkown Error");
    EXPECT_STREQ(qv::aviErrorText(15), "avilib - Unkown Error");
    EXPECT_STREQ(qv::aviErrorText(-1), "avilib - Unkown Error");
}

} // namespace
