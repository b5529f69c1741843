// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/recorded_file_check.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The writer's fixed layout: a 2048-byte header area whose last 12 bytes
// open the movie list.
constexpr std::uint64_t kMovieListOffset = 2036;
constexpr std::uint64_t kHeaderBytes = 2048;
constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::size_t kIndexEntry = 16;
// Index entries read at a time while looking for the last video chunk.
constexpr std::size_t kEntriesPerRead = 4096;
constexpr std::size_t kCompareBlock = 64 * 1024;

std::uint32_t word(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
           | std::uint32_t(p[3]) << 24;
}

bool tag(const std::uint8_t *p, const char *text)
{
    return std::memcmp(p, text, 4) == 0;
}

struct Chunk {
    std::uint64_t offset = 0;
    std::uint32_t length = 0;
};

// The last "00db" entry of the index at [indexStart, indexStart + bytes).
bool lastVideoEntry(const ReadAt &read, std::uint64_t indexStart, std::uint64_t bytes, Chunk *found)
{
    std::vector<std::uint8_t> block(kEntriesPerRead * kIndexEntry);
    std::uint64_t end = bytes;
    while (end > 0) {
        const std::uint64_t take = std::min<std::uint64_t>(end, block.size());
        const std::uint64_t start = end - take;
        if (!read(indexStart + start, std::size_t(take), block.data()))
            return false;
        for (std::size_t entry = std::size_t(take / kIndexEntry); entry-- > 0;) {
            const std::uint8_t *e = block.data() + entry * kIndexEntry;
            if (tag(e, "00db")) {
                found->offset = word(e + 8);
                found->length = word(e + 12);
                return true;
            }
        }
        end = start;
    }
    return false;
}

bool chunkHolds(const ReadAt &read, const Chunk &chunk, std::uint64_t movieEnd,
                const std::uint8_t *frame, std::size_t frameSize)
{
    if (chunk.length != frameSize || chunk.offset < kHeaderBytes
        || chunk.offset + 8 + std::uint64_t(chunk.length) > movieEnd)
        return false;
    std::uint8_t head[8];
    if (!read(chunk.offset, sizeof head, head) || !tag(head, "00db") || word(head + 4) != chunk.length)
        return false;
    std::vector<std::uint8_t> block(std::min(frameSize, kCompareBlock));
    for (std::size_t done = 0; done < frameSize;) {
        const std::size_t take = std::min(block.size(), frameSize - done);
        if (!read(chunk.offset + 8 + done, take, block.data())
            || std::memcmp(block.data(), frame + done, take) != 0)
            return false;
        done += take;
    }
    return true;
}

} // namespace

RecordedFileProblem checkRecordedFile(const ReadAt &read, std::uint64_t fileSize,
                                      const std::uint8_t *lastFrame, std::size_t lastFrameSize)
{
    if (fileSize < kHeaderBytes)
        return RecordedFileProblem::NotFinished;
    std::uint8_t head[52];
    if (!read(0, sizeof head, head))
        return RecordedFileProblem::Unreadable;
    if (!tag(head, "RIFF") || !tag(head + 8, "AVI ") || !tag(head + 24, "avih")
        || std::uint64_t(word(head + 4)) + 8 != fileSize)
        return RecordedFileProblem::NotFinished;
    std::uint8_t movie[12];
    if (!read(kMovieListOffset, sizeof movie, movie))
        return RecordedFileProblem::Unreadable;
    if (!tag(movie, "LIST") || !tag(movie + 8, "movi"))
        return RecordedFileProblem::NotFinished;
    const std::uint64_t movieEnd = kMovieListOffset + 8 + std::uint64_t(word(movie + 4));
    if (movieEnd < kHeaderBytes || movieEnd > fileSize)
        return RecordedFileProblem::NotFinished;
    if ((word(head + 44) & kHasIndex) == 0)
        return RecordedFileProblem::NoIndex;
    std::uint8_t index[8];
    if (movieEnd + 8 > fileSize || !read(movieEnd, sizeof index, index) || !tag(index, "idx1"))
        return RecordedFileProblem::NoIndex;
    const std::uint64_t indexBytes = word(index + 4);
    if (movieEnd + 8 + indexBytes != fileSize || indexBytes % kIndexEntry != 0)
        return RecordedFileProblem::NoIndex;

    if (!lastFrame || lastFrameSize == 0)
        return RecordedFileProblem::None;
    Chunk last;
    if (!lastVideoEntry(read, movieEnd + 8, indexBytes, &last)
        || !chunkHolds(read, last, movieEnd, lastFrame, lastFrameSize))
        return RecordedFileProblem::LastFrameMissing;
    return RecordedFileProblem::None;
}

RecordedFileProblem checkRecordedFile(const std::string &path, const std::uint8_t *lastFrame,
                                      std::size_t lastFrameSize)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return RecordedFileProblem::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return RecordedFileProblem::Unreadable;
    }
    const ReadAt read = [fd](std::uint64_t offset, std::size_t length, std::uint8_t *out) {
        std::size_t done = 0;
        while (done < length) {
            const ssize_t got = ::pread(fd, out + done, length - done, off_t(offset + done));
            if (got <= 0)
                return false;
            done += std::size_t(got);
        }
        return true;
    };
    const RecordedFileProblem problem =
        checkRecordedFile(read, std::uint64_t(info.st_size), lastFrame, lastFrameSize);
    ::close(fd);
    return problem;
}
