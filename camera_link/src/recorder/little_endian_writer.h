// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_LITTLE_ENDIAN_WRITER_H
#define QV_LITTLE_ENDIAN_WRITER_H

// Appends RIFF fields to a fixed byte area in file order (little-endian,
// whatever the host's byte order). Writes past the end are dropped and
// remembered, so a layout that does not fit is detected, never overrun.
//
// Thread rules: a plain value; use it from one thread.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qv {

class LittleEndianWriter {
public:
    LittleEndianWriter(std::uint8_t *area, std::size_t size) : area_(area), size_(size) {}

    void fourcc(const char *text) { bytes(text, 4); }
    void u16(std::uint16_t v)
    {
        const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
        bytes(b, 2);
    }
    void u32(std::uint32_t v)
    {
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 24)};
        bytes(b, 4);
    }
    void zeros(std::size_t n)
    {
        if (!room(n))
            return;
        std::memset(area_ + used_, 0, n);
        used_ += n;
    }
    void bytes(const void *data, std::size_t n)
    {
        if (!room(n))
            return;
        std::memcpy(area_ + used_, data, n);
        used_ += n;
    }

    std::size_t used() const { return used_; }
    bool overflowed() const { return overflowed_; }

private:
    bool room(std::size_t n)
    {
        if (n > size_ - used_) {
            overflowed_ = true;
            return false;
        }
        return true;
    }

    std::uint8_t *area_;
    std::size_t size_;
    std::size_t used_ = 0;
    bool overflowed_ = false;
};

} // namespace qv

#endif
