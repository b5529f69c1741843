// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_AVI_INDEX_H
#define QV_AVI_INDEX_H

// The idx1 entries of an AVI file, kept in their on-disk form (16 bytes
// each: identifier, flags, offset of the chunk header from the start of the
// file, data length) so the whole index leaves in a single write at close.
// Storage grows 4096 entries at a time rather than once per chunk.
//
// Thread rules: owned by one AviFile; no lock.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

struct AviIndexEntry {
    char id[4];
    std::uint32_t flags;
    std::uint32_t offset;
    std::uint32_t length;
};

class AviIndex {
public:
    static constexpr std::size_t kEntryBytes = 16;
    static constexpr std::size_t kGrowthEntries = 4096;

    // False when memory for the next block of entries cannot be had.
    bool add(const AviIndexEntry &entry);
    void removeLast();

    std::size_t count() const { return bytes_.size() / kEntryBytes; }
    std::size_t capacity() const { return bytes_.capacity() / kEntryBytes; }
    AviIndexEntry entry(std::size_t i) const;
    const std::uint8_t *data() const { return bytes_.data(); }
    std::size_t byteCount() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace qv

#endif
