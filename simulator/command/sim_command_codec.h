// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_COMMAND_CODEC_H
#define CAMSIM_COMMAND_CODEC_H

// The camera's side of the two command wire formats: parsing what arrives on
// port 50000 and framing the replies. Pure functions; the request parser
// takes any bytes from the network and never reads past them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace camsim {

using Bytes = std::vector<uint8_t>;

enum class Family { SetCmd, Frame9999, Unknown };

struct SimRequest {
    Family family = Family::Unknown;
    uint32_t seq = 0;
    uint16_t code = 0;
    uint16_t declaredLength = 0; // SETCMD payload length field
    uint32_t a1 = 0;             // 0x9999 words at 8, 12, 16, 20
    uint32_t a2 = 0;
    uint32_t word16 = 0;
    uint32_t word20 = 0;
    Bytes payload; // SETCMD: what arrived of the declared payload; 0x9999: bytes after the header
    Bytes raw;     // the whole datagram
    std::string from; // sender, "a.b.c.d:port" (filled by the responder)
};

SimRequest parseRequest(const uint8_t *bytes, size_t length);

// "RETCMD", seq, code, status byte, payload length, payload.
Bytes buildRetCmdReply(uint32_t seq, uint16_t code, const Bytes &payload, uint8_t status = 0);

struct Frame9999Fields {
    uint16_t magic = 0x9999;
    uint16_t code = 0;
    uint32_t seq = 0;
    uint32_t value = 0;
    uint32_t word12 = 0;
    uint32_t word16 = 0;
};
Bytes buildFrame9999Reply(const Frame9999Fields &fields, const Bytes &payload = {});

void appendLe16(Bytes &out, uint32_t value);
void appendLe32(Bytes &out, uint32_t value);
uint16_t le16At(const uint8_t *at);
uint32_t le32At(const uint8_t *at);

// A NUL-padded text field of a payload, cut at its first NUL or its end.
std::string textField(const Bytes &payload, size_t offset, size_t width);

} // namespace camsim

#endif
