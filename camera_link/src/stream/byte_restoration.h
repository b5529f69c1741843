// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_BYTE_RESTORATION_H
#define QV_BYTE_RESTORATION_H

// Type-3 frames may arrive with one byte stored inverted; its position
// follows from the frame's info word (the seed) and its length.

#include <cstdint>

namespace qv {

// Position of the inverted byte in a frame of `length` bytes (length > 0).
uint32_t invertedBytePosition(uint32_t seed, uint32_t length);

// Flips every bit of that byte in place; a zero length is left alone.
void restoreInvertedByte(uint8_t *frame, uint32_t length, uint32_t seed);

} // namespace qv

#endif
