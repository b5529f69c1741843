// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_WIRE_BYTES_H
#define QV_WIRE_BYTES_H

// Little-endian fields of the stream's packet and record headers. Callers
// check the length before reading.

#include <cstdint>

namespace qv {

inline uint16_t readLe16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t readLe32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

} // namespace qv

#endif
