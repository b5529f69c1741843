// SPDX-License-Identifier: GPL-3.0-or-later

// Chunks of the movi list and the entries of the idx1 index: padding,
// offsets, identifiers, the file size limit, and opening.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "recorder/avi_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using qv::AviFile;

TEST(AviChunks, OddFrameIsPaddedAndIndexKeepsTrueLength)
{
    ScratchDir dir;
    const std::string path = dir.file("odd.avi");
    auto file = AviFile::open(path);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->setVideo(16, 16, 15.0, "MJPG"), 0);

    // A real JPEG grown to 1001 bytes: bytes after the end marker are ignored
    // by decoders, so the frame still decodes.
    JpegBytes odd = encodeTestPicture(16, 16, 1);
    ASSERT_LT(odd.size(), 1001u);
    odd.resize(1001, 0xAB);
    ASSERT_EQ(file->writeFrame(odd.data(), odd.size(), false), 0);
    JpegBytes even = encodeTestPicture(16, 16, 2);
    if (even.size() % 2 != 0)
        even.push_back(0);
    ASSERT_EQ(file->writeFrame(even.data(), even.size(), true), 0);
    ASSERT_EQ(file->close(), 0);

    const AviImage avi = AviImage::fromFile(path);
    ASSERT_EQ(avi.structureProblem(), ""); // zero pad bytes, offsets and index agree
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(avi.chunkData(chunks[0]), odd); // its true length, the pad after it
    EXPECT_EQ(chunks[1].offset, 2048u + 8 + 1002);
    EXPECT_EQ(avi.chunkData(chunks[1]), even);
    const auto index = avi.index();
    EXPECT_EQ(index.at(0).flags, 0u);
    EXPECT_EQ(index.at(1).flags, 0x10u); // key frame
    expectPlayableMjpeg(path, 2);
}

TEST(AviChunks, VideoAndAudioInterleaveInWritingOrder)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = AviFile::openOn(openMemoryStorage(medium));
    ASSERT_EQ(file->setVideo(kTestFrameWidth, kTestFrameHeight, 10.0, "MJPG"), 0);
    // 8-bit samples, so an odd chunk is still whole samples.
    ASSERT_EQ(file->setAudio(1, 8000, 8, 1, 0x10000), 0);
    const std::vector<std::uint8_t> pcm(321, 0x80); // odd: padded as well
    ASSERT_EQ(file->writeFrame(testJpeg(0).data(), testJpeg(0).size(), false), 0);
    ASSERT_EQ(file->writeAudio(pcm.data(), pcm.size()), 0);
    ASSERT_EQ(file->writeAudio(pcm.data(), 2), 0);
    ASSERT_EQ(file->writeFrame(testJpeg(1).data(), testJpeg(1).size(), false), 0);
    ASSERT_EQ(file->close(), 0);

    const AviImage avi(medium->bytes);
    ASSERT_EQ(avi.structureProblem(), "");
    std::vector<std::pair<std::string, std::uint32_t>> chunks;
    for (const AviChunkRef &c : avi.movieChunks())
        chunks.emplace_back(c.id, c.length);
    EXPECT_EQ(chunks, (std::vector<std::pair<std::string, std::uint32_t>>{
                          {"00db", testJpeg(0).size()}, {"01wb", 321}, {"01wb", 2}, {"00db", testJpeg(1).size()}}));
    EXPECT_EQ(avi.u32(212 + 52), 4u * 323 / 4); // audio length in blocks of S = 4

    ScratchDir dir;
    saveMedium(*medium, dir.file("mixed.avi"));
    expectPlayableMjpeg(dir.file("mixed.avi"), 2);
    EXPECT_EQ(probeAudioCodec(dir.file("mixed.avi")), "pcm_u8");
}

// Accepts every write without keeping the bytes: lets the size limit near
// 4 GiB be reached without a medium that large.
class DiscardingStorage final : public qv::AviStorage {
public:
    qv::StorageStatus writeAt(std::uint64_t, const qv::ByteSpan *, std::size_t) override
    {
        return qv::StorageStatus::Ok;
    }
    bool truncate(std::uint64_t) override { return true; }
    bool close() override { return true; }
};

TEST(AviSizeLimit, ChunkThatWouldPassTheLimitIsRefused)
{
    auto file = AviFile::openOn(std::make_unique<DiscardingStorage>());
    ASSERT_TRUE(file);
    constexpr std::size_t kBlock = 0x10000000; // 256 MiB, never touched
    std::unique_ptr<std::uint8_t, decltype(&std::free)> block(
        static_cast<std::uint8_t *>(std::calloc(kBlock, 1)), &std::free);
    ASSERT_TRUE(block);
    while (file->position() + 8 + kBlock + 16 * (file->indexEntries() + 1) + 32 <
           AviFile::kMaxFileBytes)
        ASSERT_EQ(file->writeFrame(block.get(), kBlock, false), 0);

    // position + length + 16 * entries + 32 may reach the limit but not pass it.
    const std::uint64_t room = AviFile::kMaxFileBytes - file->position() -
                               16 * file->indexEntries() - 32;
    ASSERT_LT(room, kBlock);
    const std::uint32_t lost = file->lostChunks();
    EXPECT_EQ(file->writeFrame(block.get(), room + 1, false), -1);
    EXPECT_EQ(file->lostChunks(), lost + 1);
    const std::size_t entries = file->indexEntries();
    EXPECT_EQ(file->writeFrame(block.get(), room, false), 0);
    EXPECT_EQ(file->indexEntries(), entries + 1);
    EXPECT_EQ(file->writeFrame(block.get(), 0, false), -1);
    EXPECT_EQ(file->indexEntries(), entries + 1);
    EXPECT_LE(file->position(), AviFile::kMaxFileBytes);
    EXPECT_EQ(file->close(), 0);
}

TEST(AviFileOpen, ExistingLongerFileIsReplacedNotOverlaid)
{
    ScratchDir dir;
    const std::string path = dir.file("reused.avi");
    for (int frames : {20, 1}) {
        auto file = AviFile::open(path);
        ASSERT_TRUE(file);
        // While a recording runs, nothing of an older file is left behind the
        // header area that a reader could take for recorded frames.
        EXPECT_EQ(AviImage::fromFile(path).size(), 2048u);
        for (int i = 0; i < frames; ++i)
            file->writeFrame(testJpeg(i).data(), testJpeg(i).size(), false);
        ASSERT_EQ(file->close(), 0);
    }
    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.movieChunks().size(), 1u);
}

} // namespace
