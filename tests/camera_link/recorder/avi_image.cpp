// SPDX-License-Identifier: GPL-3.0-or-later

#include "avi_image.h"

#include <fstream>
#include <iterator>
#include <sstream>

AviImage::AviImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

AviImage AviImage::fromFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return AviImage(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

std::uint32_t AviImage::u32(std::size_t o) const
{
    if (o + 4 > bytes_.size())
        return 0xDEADBEEF;
    return static_cast<std::uint32_t>(bytes_[o]) | static_cast<std::uint32_t>(bytes_[o + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[o + 2]) << 16 |
           static_cast<std::uint32_t>(bytes_[o + 3]) << 24;
}

std::string AviImage::text(std::size_t o, std::size_t n) const
{
    if (o + n > bytes_.size())
        return "<past end>";
    return std::string(reinterpret_cast<const char *>(bytes_.data() + o), n);
}

std::vector<std::uint8_t> AviImage::chunkData(const AviChunkRef &c) const
{
    const std::size_t from = c.offset + 8u;
    if (from + c.length > bytes_.size())
        return {};
    return std::vector<std::uint8_t>(bytes_.begin() + static_cast<long>(from),
                                     bytes_.begin() + static_cast<long>(from + c.length));
}

std::vector<AviChunkRef> AviImage::movieChunks() const
{
    std::vector<AviChunkRef> chunks;
    const std::uint64_t end = 2044ull + u32(2040);
    std::uint64_t pos = 2048;
    while (pos + 8 <= end && pos + 8 <= bytes_.size()) {
        AviChunkRef c{text(pos), static_cast<std::uint32_t>(pos), u32(pos + 4)};
        chunks.push_back(c);
        pos += 8ull + c.length + (c.length & 1u);
    }
    return chunks;
}

bool AviImage::hasIndexChunk() const
{
    const std::uint64_t at = 2044ull + u32(2040);
    return at + 8 <= bytes_.size() && text(at) == "idx1";
}

std::vector<AviIndexRef> AviImage::index() const
{
    std::vector<AviIndexRef> entries;
    if (!hasIndexChunk())
        return entries;
    const std::uint64_t at = 2044ull + u32(2040);
    const std::uint32_t n = u32(at + 4) / 16;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint64_t e = at + 8 + 16ull * i;
        if (e + 16 > bytes_.size())
            break;
        entries.push_back({text(e), u32(e + 4), u32(e + 8), u32(e + 12)});
    }
    return entries;
}

std::string AviImage::structureProblem() const
{
    std::ostringstream why;
    if (bytes_.size() < 2048)
        return "shorter than the header area";
    if (text(0) != "RIFF" || text(8) != "AVI ")
        return "no RIFF AVI form";
    if (u32(4) != bytes_.size() - 8) {
        why << "RIFF size " << u32(4) << " but file length " << bytes_.size();
        return why.str();
    }
    if (text(2036) != "LIST" || text(2044) != "movi")
        return "no movi list at 2036";
    const std::uint64_t movieEnd = 2044ull + u32(2040);
    if (movieEnd > bytes_.size())
        return "movi list runs past the end of the file";
    std::uint64_t pos = 2048;
    for (const AviChunkRef &c : movieChunks()) {
        if (c.offset != pos)
            return "chunk out of place";
        pos += 8ull + c.length + (c.length & 1u);
        if (c.length & 1u) {
            if (pos - 1 >= bytes_.size() || bytes_[pos - 1] != 0)
                return "pad byte missing or not zero";
        }
    }
    if (pos != movieEnd) {
        why << "chunks end at " << pos << " but movi list at " << movieEnd;
        return why.str();
    }
    const bool flagged = (u32(44) & 0x10) != 0;
    if (!hasIndexChunk()) {
        if (flagged)
            return "has-index flag without idx1";
        return movieEnd == bytes_.size() ? "" : "bytes after the movi list";
    }
    if (!flagged)
        return "idx1 present but has-index flag clear";
    if (movieEnd + 8 + u32(movieEnd + 4) != bytes_.size())
        return "idx1 does not end the file";
    const std::vector<AviChunkRef> chunks = movieChunks();
    const std::vector<AviIndexRef> entries = index();
    if (entries.size() != chunks.size()) {
        why << entries.size() << " index entries for " << chunks.size() << " chunks";
        return why.str();
    }
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (entries[i].id != chunks[i].id || entries[i].offset != chunks[i].offset ||
            entries[i].length != chunks[i].length) {
            why << "index entry " << i << " does not match its chunk";
            return why.str();
        }
    }
    std::uint32_t frames = 0;
    for (const AviChunkRef &c : chunks)
        frames += c.id == "00db" ? 1 : 0;
    if (u32(48) != frames || u32(140) != frames) {
        why << "header counts " << u32(48) << "/" << u32(140) << " frames, file holds " << frames;
        return why.str();
    }
    return "";
}
