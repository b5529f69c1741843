// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_WIRE_BYTES_H
#define QV_WIRE_BYTES_H

// Little-endian field access for the camera's wire formats. Readers take the
// byte pointer as is; callers have already checked that the field arrived.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

using Bytes = std::vector<uint8_t>;

inline void putLe16(uint8_t *at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void putLe32(uint8_t *at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint16_t readLe16(const uint8_t *at)
{
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

inline uint32_t readLe32(const uint8_t *at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

inline int32_t readLe32Signed(const uint8_t *at)
{
    return static_cast<int32_t>(readLe32(at));
}

} // namespace qv

#endif
