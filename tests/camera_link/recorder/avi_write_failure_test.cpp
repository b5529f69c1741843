// SPDX-License-Identifier: GPL-3.0-or-later

// A medium that fills up (or fails) during a recording must still end up
// holding a complete AVI: every chunk it claims is there, the index matches
// the chunks, and the sizes match the file.

#include "avi_image.h"
#include "jpeg_frames.h"
#include "media_probe.h"
#include "memory_storage.h"
#include "scratch_dir.h"

#include "recorder/avi_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace {

using qv::AviFile;

std::unique_ptr<AviFile> videoFileOn(const std::shared_ptr<MemoryMedium> &medium)
{
    auto file = AviFile::openOn(openMemoryStorage(medium));
    if (file)
        file->setVideo(kTestFrameWidth, kTestFrameHeight, 15.0, "MJPG");
    return file;
}

// Writes frames 0..count-1; returns how many were accepted.
int writeFrames(AviFile &file, int count)
{
    int accepted = 0;
    for (int i = 0; i < count; ++i)
        accepted += file.writeFrame(testJpeg(i % 16).data(), testJpeg(i % 16).size(), false) == 0;
    return accepted;
}

void expectValidPlayable(const MemoryMedium &medium, long frames)
{
    const AviImage avi(medium.bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    ScratchDir dir;
    saveMedium(medium, dir.file("saved.avi"));
    expectPlayableMjpeg(dir.file("saved.avi"), frames);
}

TEST(AviWriteFailure, FullMediumDropsLaterChunksAndKeepsTheIndex)
{
    auto medium = std::make_shared<MemoryMedium>();
    // Room for the header, some frames and their index, not for 200 frames.
    medium->capacity = 2048 + 60 * 1024;
    auto file = videoFileOn(medium);
    ASSERT_TRUE(file);
    const int accepted = writeFrames(*file, 200);
    ASSERT_GT(accepted, 0);
    ASSERT_LT(accepted, 200);
    EXPECT_EQ(file->lostChunks(), static_cast<std::uint32_t>(200 - accepted));
    EXPECT_EQ(file->indexEntries(), static_cast<std::size_t>(accepted));

    // Index space was freed by cutting the remnant of the failed chunk, or
    // by giving up trailing chunks; either way the file closes with an index.
    const int closed = file->close();
    const AviImage avi(medium->bytes);
    ASSERT_TRUE(avi.hasIndexChunk());
    const long frames = static_cast<long>(avi.movieChunks().size());
    EXPECT_EQ(closed == 0, frames == accepted);
    EXPECT_GT(frames, 0);
    expectValidPlayable(*medium, frames);
}

TEST(AviWriteFailure, SmallerChunkAfterAFailedOneLandsInItsPlace)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = videoFileOn(medium);
    ASSERT_EQ(writeFrames(*file, 2), 2);
    const std::uint64_t before = file->position();
    const JpegBytes &small = testJpeg(3);
    medium->capacity = before + 8 + small.size() + 1; // room for a small frame only

    const std::vector<std::uint8_t> big(small.size() * 4, 0x11);
    EXPECT_EQ(file->writeFrame(big.data(), big.size(), false), -1);
    EXPECT_EQ(file->position(), before);
    EXPECT_EQ(file->indexEntries(), 2u);

    EXPECT_EQ(file->writeFrame(small.data(), small.size(), false), 0);
    medium->capacity = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(file->close(), 0);

    const AviImage avi(medium->bytes);
    EXPECT_EQ(avi.structureProblem(), "");
    const auto chunks = avi.movieChunks();
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[2].offset, before);
    EXPECT_EQ(avi.chunkData(chunks[2]), small);
}

TEST(AviWriteFailure, NoRoomForTheIndexCutsTrailingChunks)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = videoFileOn(medium);
    ASSERT_EQ(writeFrames(*file, 150), 150);
    // Exactly full: not one byte left for the index.
    medium->capacity = file->position();
    EXPECT_EQ(file->close(), -1);
    EXPECT_GT(file->lostChunks(), 0u);

    const AviImage avi(medium->bytes);
    ASSERT_TRUE(avi.hasIndexChunk());
    EXPECT_EQ(avi.u32(44), 0x110u);
    const long frames = static_cast<long>(avi.movieChunks().size());
    EXPECT_GT(frames, 0);
    EXPECT_LT(frames, 150);
    EXPECT_EQ(static_cast<std::uint32_t>(150 - frames), file->lostChunks());
    expectValidPlayable(*medium, frames);
}

TEST(AviWriteFailure, IndexThatCannotBeWrittenForOtherReasonsIsLeftOut)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = videoFileOn(medium);
    ASSERT_EQ(writeFrames(*file, 5), 5);
    medium->failFrom = file->position(); // an I/O error, not a full medium
    EXPECT_EQ(file->close(), -1);

    // All frames kept, no index, and the header says so.
    const AviImage avi(medium->bytes);
    EXPECT_FALSE(avi.hasIndexChunk());
    EXPECT_EQ(avi.u32(44), 0x100u);
    EXPECT_EQ(avi.movieChunks().size(), 5u);
    EXPECT_EQ(avi.u32(48), 5u);
    expectValidPlayable(*medium, 5);
}

TEST(AviWriteFailure, HeaderThatCannotBeRewrittenFailsTheClose)
{
    auto medium = std::make_shared<MemoryMedium>();
    auto file = videoFileOn(medium);
    ASSERT_EQ(writeFrames(*file, 2), 2);
    medium->failFrom = 0;
    EXPECT_EQ(file->close(), -1);
}

// A real file system that fills up: a small tmpfs mounted in a private mount
// namespace (needs the privilege to make one; skipped otherwise).
class SmallTmpfs {
public:
    explicit SmallTmpfs(const std::string &where, const char *size)
    {
        if (unshare(CLONE_NEWNS) != 0) {
            why_ = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
            return;
        }
        // Keep the mount below from propagating to the host's namespace.
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            why_ = std::string("making mounts private: ") + std::strerror(errno);
            return;
        }
        const std::string options = std::string("size=") + size;
        if (mount("tmpfs", where.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            why_ = std::string("mount tmpfs: ") + std::strerror(errno);
            return;
        }
        where_ = where;
    }
    ~SmallTmpfs()
    {
        if (!where_.empty())
            umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return !where_.empty(); }
    const std::string &why() const { return why_; }

private:
    std::string where_;
    std::string why_;
};

TEST(AviWriteFailure, FullTmpfsLeavesAPlayableFileWithIndex)
{
    ScratchDir dir;
    SmallTmpfs fs(dir.path(), "128k");
    if (!fs.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << fs.why() << ")";
    const std::string path = dir.file("full.avi");
    auto file = AviFile::open(path);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->setVideo(kTestFrameWidth, kTestFrameHeight, 15.0, "MJPG"), 0);
    const int accepted = writeFrames(*file, 400);
    ASSERT_LT(accepted, 400) << "the medium never filled up";
    file->close();

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    ASSERT_TRUE(avi.hasIndexChunk());
    const long frames = static_cast<long>(avi.movieChunks().size());
    EXPECT_GT(frames, 0);
    EXPECT_LE(frames, accepted);
    expectPlayableMjpeg(path, frames);
}

} // namespace
