// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_command_codec.h"

#include <algorithm>
#include <cstring>

namespace camsim {

void appendLe16(Bytes &out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void appendLe32(Bytes &out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint16_t le16At(const uint8_t *at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t le32At(const uint8_t *at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

SimRequest parseRequest(const uint8_t *bytes, size_t length)
{
    SimRequest r;
    if (!bytes)
        return r;
    r.raw.assign(bytes, bytes + length);
    if (length >= 14 && std::memcmp(bytes, "SETCMD", 6) == 0) {
        r.family = Family::SetCmd;
        r.seq = le32At(bytes + 6);
        r.code = le16At(bytes + 10);
        r.declaredLength = le16At(bytes + 12);
        const size_t available = std::min<size_t>(r.declaredLength, length - 14);
        r.payload.assign(bytes + 14, bytes + 14 + available);
    } else if (length >= 24 && le16At(bytes) == 0x9999) {
        r.family = Family::Frame9999;
        r.code = le16At(bytes + 2);
        r.seq = le32At(bytes + 4);
        r.a1 = le32At(bytes + 8);
        r.a2 = le32At(bytes + 12);
        r.word16 = le32At(bytes + 16);
        r.word20 = le32At(bytes + 20);
        r.payload.assign(bytes + 24, bytes + length);
    }
    return r;
}

Bytes buildRetCmdReply(uint32_t seq, uint16_t code, const Bytes &payload, uint8_t status)
{
    Bytes out{'R', 'E', 'T', 'C', 'M', 'D'};
    appendLe32(out, seq);
    appendLe16(out, code);
    out.push_back(status);
    appendLe16(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

Bytes buildFrame9999Reply(const Frame9999Fields &f, const Bytes &payload)
{
    Bytes out;
    out.reserve(24 + payload.size());
    appendLe16(out, f.magic);
    appendLe16(out, f.code);
    appendLe32(out, f.seq);
    appendLe32(out, f.value);
    appendLe32(out, f.word12);
    appendLe32(out, f.word16);
    appendLe32(out, 0);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::string textField(const Bytes &payload, size_t offset, size_t width)
{
    if (offset >= payload.size())
        return {};
    const size_t end = std::min(payload.size(), offset + width);
    const auto first = payload.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto last = payload.begin() + static_cast<std::ptrdiff_t>(end);
    return std::string(first, std::find(first, last, 0));
}

} // namespace camsim
