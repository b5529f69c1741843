// SPDX-License-Identifier: LGPL-2.1-or-later

#include "setcmd_frame.h"

#include <algorithm>
#include <cstring>

namespace qv {

Bytes buildSetCmdRequest(uint32_t seq, uint16_t code, const Bytes &payload,
                         size_t extraZeros)
{
    uint8_t header[kSetCmdRequestHeader];
    std::memcpy(header, "SETCMD", 6);
    putLe32(header + 6, seq);
    putLe16(header + 10, code);
    putLe16(header + 12, static_cast<uint16_t>(payload.size()));
    Bytes out(kSetCmdRequestHeader + payload.size() + extraZeros, 0);
    std::memcpy(out.data(), header, kSetCmdRequestHeader);
    if (!payload.empty())
        std::memcpy(out.data() + kSetCmdRequestHeader, payload.data(), payload.size());
    return out;
}

std::optional<SetCmdReply> parseSetCmdReply(const uint8_t *bytes, size_t length)
{
    if (!bytes || length < static_cast<size_t>(kSetCmdReplyHeader) ||
        std::memcmp(bytes, "RETCMD", 6) != 0)
        return std::nullopt;
    SetCmdReply reply;
    reply.seq = readLe32(bytes + 6);
    reply.code = readLe16(bytes + 10);
    reply.status = bytes[12];
    reply.declaredLength = readLe16(bytes + 13);
    reply.payload = bytes + kSetCmdReplyHeader;
    // A length field larger than the datagram must not lead anyone past it.
    reply.payloadBytes = std::min<size_t>(reply.declaredLength, length - kSetCmdReplyHeader);
    return reply;
}

} // namespace qv
