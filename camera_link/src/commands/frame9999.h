// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME9999_H
#define QV_FRAME9999_H

// The binary command family: a 24-byte little-endian header starting with the
// magic 0x9999, optionally followed by a payload. Pure functions.
//
// Thread rules: callable from any thread; a parsed reply points into the
// caller's datagram and lives no longer than it.

#include "wire_bytes.h"

#include <optional>

namespace qv {

constexpr uint16_t kMagic9999 = 0x9999;
constexpr int kFrame9999Header = 24;

// a2 is the second argument, or the payload length for commands with one.
Bytes buildFrame9999Request(uint32_t seq, uint16_t code, uint32_t a1, uint32_t a2,
                            const Bytes &payload = {});

struct Frame9999Reply {
    uint16_t magic = 0;
    uint16_t code = 0;
    uint32_t seq = 0;
    int32_t value = 0;    // word at 8
    int32_t word12 = 0;   // payload length of the sensor reply
    uint32_t word16 = 0;  // second result word (battery)
    uint32_t word20 = 0;
    const uint8_t *payload = nullptr; // bytes after the header
    size_t payloadBytes = 0;
};

// Any datagram holding a whole header; magic and code are checked by the
// caller, since some commands accept a foreign magic.
std::optional<Frame9999Reply> parseFrame9999Reply(const uint8_t *bytes, size_t length);

} // namespace qv

#endif
