// SPDX-License-Identifier: LGPL-2.1-or-later

#include "frame9999.h"

#include <cstring>

namespace qv {

Bytes buildFrame9999Request(uint32_t seq, uint16_t code, uint32_t a1, uint32_t a2,
                            const Bytes &payload)
{
    uint8_t header[kFrame9999Header] = {};
    putLe16(header, kMagic9999);
    putLe16(header + 2, code);
    putLe32(header + 4, seq);
    putLe32(header + 8, a1);
    putLe32(header + 12, a2);
    Bytes out(kFrame9999Header + payload.size(), 0);
    std::memcpy(out.data(), header, kFrame9999Header);
    if (!payload.empty())
        std::memcpy(out.data() + kFrame9999Header, payload.data(), payload.size());
    return out;
}

std::optional<Frame9999Reply> parseFrame9999Reply(const uint8_t *bytes, size_t length)
{
    if (!bytes || length < static_cast<size_t>(kFrame9999Header))
        return std::nullopt;
    Frame9999Reply reply;
    reply.magic = readLe16(bytes);
    reply.code = readLe16(bytes + 2);
    reply.seq = readLe32(bytes + 4);
    reply.value = readLe32Signed(bytes + 8);
    reply.word12 = readLe32Signed(bytes + 12);
    reply.word16 = readLe32(bytes + 16);
    reply.word20 = readLe32(bytes + 20);
    reply.payload = bytes + kFrame9999Header;
    reply.payloadBytes = length - kFrame9999Header;
    return reply;
}

} // namespace qv
