// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/avi_index.h"

#include "recorder/little_endian_writer.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace qv {

namespace {

std::uint32_t readWord(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

bool AviIndex::add(const AviIndexEntry &e)
{
    try {
        if (bytes_.size() == bytes_.capacity())
            bytes_.reserve(bytes_.capacity() + kGrowthEntries * kEntryBytes);
        std::uint8_t raw[kEntryBytes];
        LittleEndianWriter w(raw, sizeof raw);
        w.bytes(e.id, 4);
        w.u32(e.flags);
        w.u32(e.offset);
        w.u32(e.length);
        bytes_.insert(bytes_.end(), raw, raw + kEntryBytes);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    } catch (const std::length_error &) {
        return false;
    }
}

void AviIndex::removeLast()
{
    if (!bytes_.empty())
        bytes_.resize(bytes_.size() - kEntryBytes);
}

AviIndexEntry AviIndex::entry(std::size_t i) const
{
    const std::uint8_t *p = bytes_.data() + i * kEntryBytes;
    AviIndexEntry e{};
    std::memcpy(e.id, p, 4);
    e.flags = readWord(p + 4);
    e.offset = readWord(p + 8);
    e.length = readWord(p + 12);
    return e;
}

} // namespace qv
