// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_SETCMD_FRAME_H
#define QV_SETCMD_FRAME_H

// The text-framed command family: requests start with "SETCMD" and a 14-byte
// header, replies with "RETCMD" and a 15-byte header. Pure functions, no
// sockets, so tests and fuzzers drive them directly.
//
// Thread rules: callable from any thread; a parsed reply points into the
// caller's datagram and lives no longer than it.

#include "wire_bytes.h"

#include <optional>

namespace qv {

constexpr int kSetCmdRequestHeader = 14;
constexpr int kSetCmdReplyHeader = 15;

// Header (seq, code, payload length) followed by the payload and then
// extraZeros zero bytes that the length field does not count.
Bytes buildSetCmdRequest(uint32_t seq, uint16_t code, const Bytes &payload,
                         size_t extraZeros = 0);

struct SetCmdReply {
    uint32_t seq = 0;
    uint16_t code = 0;
    uint8_t status = 0;
    uint16_t declaredLength = 0; // the length field as sent
    const uint8_t *payload = nullptr;
    size_t payloadBytes = 0; // what actually arrived, never more than declared
};

// A reply that starts with "RETCMD" and holds its whole header; anything
// else is not a reply of this family.
std::optional<SetCmdReply> parseSetCmdReply(const uint8_t *bytes, size_t length);

} // namespace qv

#endif
