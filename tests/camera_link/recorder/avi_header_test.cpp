// SPDX-License-Identifier: GPL-3.0-or-later

// The header area of recorded files, word by word, in the open state (as
// rewritten after each set call) and in the finished state.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "recorder/avi_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using qv::AviFile;

// A FourCC as the file's little-endian word (the tests run on
// little-endian hosts, as the file format is).
std::uint32_t cc(const char *t)
{
    std::uint32_t v = 0;
    std::memcpy(&v, t, std::min<std::size_t>(4, std::strlen(t) + 1));
    return v;
}

// Consecutive 32-bit words from offset at.
void expectWords(const AviImage &avi, std::size_t at, std::initializer_list<std::uint32_t> words)
{
    for (std::uint32_t w : words) {
        EXPECT_EQ(avi.u32(at), w) << "at offset " << at;
        at += 4;
    }
}

void expectMainHeader(const AviImage &avi, std::uint32_t listSize, std::uint32_t usPerFrame,
                      std::uint32_t flags, std::uint32_t frames, std::uint32_t streams,
                      std::uint32_t width, std::uint32_t height)
{
    expectWords(avi, 12, {cc("LIST"), listSize, cc("hdrl"), cc("avih"), 56, usPerFrame, 0, 0,
                          flags, frames, 0, streams, 0, width, height, 0, 0, 0, 0});
}

void expectVideoList(const AviImage &avi, std::uint32_t width, std::uint32_t height,
                     std::uint32_t fourcc, std::uint32_t rate, std::uint32_t frames)
{
    expectWords(avi, 88, {cc("LIST"), 116, cc("strl"), cc("strh"), 56, cc("vids"), fourcc,
                          0, 0, 0, 1000000, rate, 0, frames, 0, 0xFFFFFFFFu, 0, 0, 0,
                          cc("strf"), 40, 40, width, height, 1 | 24u << 16, fourcc,
                          width * height * 3, 0, 0, 0, 0});
}

// blockQuarter: S / 4 with S = max(4, bytes per sample * channels).
void expectAudioList(const AviImage &avi, std::size_t at, std::uint32_t channels,
                     std::uint32_t rate, std::uint32_t bits, std::uint32_t blockQuarter,
                     std::uint32_t length)
{
    // The header's rate is the rate word 65536 * 1000 / 8.
    expectWords(avi, at, {cc("LIST"), 92, cc("strl"), cc("strh"), 56, cc("auds"), 0, 0, 0, 0,
                          blockQuarter, 8192000, 0, length, 0, 0xFFFFFFFFu, blockQuarter, 0, 0,
                          cc("strf"), 16, 1 | channels << 16, rate, 8192000,
                          blockQuarter | bits << 16});
}

void expectJunkUpTo2036(const AviImage &avi, std::size_t junkAt)
{
    expectWords(avi, junkAt, {cc("JUNK"), static_cast<std::uint32_t>(2028 - junkAt)});
    for (std::size_t o = junkAt + 8; o < 2036; ++o)
        ASSERT_EQ(avi.bytes()[o], 0) << "JUNK byte at " << o;
}

TEST(AviHeader, OpenStateAfterSetVideoCarriesPlaceholders)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = AviFile::openOn(openMemoryStorage(medium));
    ASSERT_TRUE(file);
    ASSERT_EQ(medium->bytes.size(), 2048u);
    ASSERT_EQ(file->setVideo(1920, 1080, 15.0, "MJPG"), 0);

    const AviImage avi(medium->bytes);
    ASSERT_EQ(avi.size(), 2048u);
    expectWords(avi, 0, {cc("RIFF"), 0xFEFFF003u, cc("AVI ")});
    // 1e6 / 15 rounded; has-index and interleaved.
    expectMainHeader(avi, 4 + 64 + 124, 66667, 0x110, 0, 1, 1920, 1080);
    expectVideoList(avi, 1920, 1080, cc("MJPG"), 15000000, 0);
    expectJunkUpTo2036(avi, 212);
    expectWords(avi, 2036, {cc("LIST"), 0xFEFFF003u, cc("movi")});
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
    expectMainHeader(avi, 4 + 64 + 124, 40000, 0x110, 3, 1, kTestFrameWidth, kTestFrameHeight);
    expectVideoList(avi, kTestFrameWidth, kTestFrameHeight, cc("MJPG"), 25000000, 3);
    expectWords(avi, 212, {cc("LIST"), 76, cc("INFO"), cc("ISFT"), 64});
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
    auto file = AviFile::openOn(openMemoryStorage(medium));
    ASSERT_EQ(file->setVideo(320, 240, 30.0, "MJPG"), 0);
    ASSERT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), 0);  // S = max(4, 2) = 4
    ASSERT_EQ(file->setAudio(2, 44100, 16, 1, 0x10000), 0); // S = 4
    ASSERT_EQ(file->setAudio(6, 48000, 24, 1, 0x10000), 0); // S = 18 -> S/4 = 4
    {
        const AviImage open(medium->bytes);
        expectMainHeader(open, 4 + 64 + 124 + 3 * 100, 33333, 0x110, 0, 4, 320, 240);
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
    expectWords(avi, 512, {cc("LIST"), 76, cc("INFO")});
    expectJunkUpTo2036(avi, 596);
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].id, "03wb");
    EXPECT_EQ(chunks[1].id, "03wb");
}

TEST(AviHeader, NinthAudioTrackIsRefusedWithoutEndingTheProcess)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = AviFile::openOn(openMemoryStorage(medium));
    for (int t = 0; t < 8; ++t)
        ASSERT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), 0) << "track " << t;
    EXPECT_EQ(file->setAudio(1, 8000, 16, 1, 0x10000), -1);
    EXPECT_EQ(file->audioTrackCount(), 8);

    std::vector<std::uint8_t> pcm(64, 1);
    ASSERT_EQ(file->writeAudio(pcm.data(), pcm.size()), 0);
    ASSERT_EQ(file->close(), 0);
    const AviImage avi(medium->bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.u32(56), 9u); // streams
    EXPECT_EQ(avi.movieChunks().at(0).id, "08wb");
    // Eight audio lists and the INFO list still leave room for JUNK.
    expectJunkUpTo2036(avi, 212 + 800 + 84);
}

TEST(AviHeader, CompressorTextAndFrameRateEdges)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = AviFile::openOn(openMemoryStorage(medium));
    struct Case {
        double fps;
        const char *compressor;
        std::uint32_t fourcc, usPerFrame, rate;
    };
    const Case cases[] = {
        // Below 0.001 fps: no frame duration; "RGB..." means uncompressed.
        {0.0005, "RGB24", 0, 0, 500},
        {29.97, "XV", cc("XV"), 33367, 29970000}, // a short text is zero padded
        // A rate field that would not fit 32 bits is clamped; 0.1 us rounds to 0.
        {1e7, "MJPG", cc("MJPG"), 0, 0xFFFFFFFFu},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(file->setVideo(8, 8, c.fps, c.compressor), 0);
        const AviImage avi(medium->bytes);
        EXPECT_EQ(avi.u32(32), c.usPerFrame) << c.compressor;
        EXPECT_EQ(avi.u32(112), c.fourcc) << c.compressor;
        EXPECT_EQ(avi.u32(188), c.fourcc) << c.compressor;
        EXPECT_EQ(avi.u32(132), c.rate) << c.compressor;
    }
    file->close();
}

TEST(AviHeader, EmptyFileFromOpenAndCloseIsStillComplete)
{
    auto medium = std::make_shared<MemoryMedium>();
    ASSERT_EQ(AviFile::openOn(openMemoryStorage(medium))->close(), 0);
    const AviImage avi(medium->bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.size(), 2048u + 8);
    EXPECT_EQ(avi.u32(2040), 4u);
    EXPECT_EQ(avi.u32(64), 0u); // video list with width, height 0
}

} // namespace
