// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECORDER_TEST_AVI_IMAGE_H
#define RECORDER_TEST_AVI_IMAGE_H

// Read-only view of the bytes of an AVI file as the tests check them: header
// fields by offset, the chunks of the movi list in file order, and the idx1
// entries. Walking stops at the first inconsistency and records why, so a
// test can assert that a file is well formed.

#include <cstdint>
#include <string>
#include <vector>

struct AviChunkRef {
    std::string id;
    std::uint32_t offset; // of the chunk header
    std::uint32_t length; // data length as the header says
};

struct AviIndexRef {
    std::string id;
    std::uint32_t flags;
    std::uint32_t offset;
    std::uint32_t length;
};

class AviImage {
public:
    explicit AviImage(std::vector<std::uint8_t> bytes);
    static AviImage fromFile(const std::string &path);

    std::uint32_t u32(std::size_t offset) const;
    std::string text(std::size_t offset, std::size_t n = 4) const;
    const std::vector<std::uint8_t> &bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> chunkData(const AviChunkRef &c) const;

    // Chunks between offset 2048 and the end of the movi list.
    std::vector<AviChunkRef> movieChunks() const;
    // Entries of the idx1 chunk that follows the movi list (empty if none).
    std::vector<AviIndexRef> index() const;
    bool hasIndexChunk() const;

    // Empty when the file is a finished AVI whose sizes, chunks and index
    // agree with each other; otherwise the first problem found.
    std::string structureProblem() const;

private:
    std::vector<std::uint8_t> bytes_;
};

#endif
