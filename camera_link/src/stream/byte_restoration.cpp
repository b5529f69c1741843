// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/byte_restoration.h"

namespace qv {

uint32_t invertedBytePosition(uint32_t seed, uint32_t length)
{
    // Unsigned 32-bit arithmetic throughout: the sums wrap like the camera's.
    uint32_t mixed = seed ^ length;
    if (length % 2 == 1)
        return ((mixed + length) ^ length) % length;
    return ((mixed + length + 1) ^ length) % length;
}

void restoreInvertedByte(uint8_t *frame, uint32_t length, uint32_t seed)
{
    if (!frame || length == 0)
        return;
    uint32_t p = invertedBytePosition(seed, length);
    frame[p] = static_cast<uint8_t>(~frame[p]);
}

} // namespace qv
