// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream_wire.h"

#include <algorithm>
#include <cstring>

namespace streamwire {

namespace {

void put16(Bytes &b, size_t at, uint16_t v)
{
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void put32(Bytes &b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

void append(Bytes &b, const char *text) { b.insert(b.end(), text, text + std::strlen(text)); }

// Position of the byte a camera stores inverted (seed = info word).
uint32_t invertedPosition(uint32_t seed, uint32_t length)
{
    uint32_t a = seed ^ length;
    uint32_t b = (length & 1) ? a + length : a + length + 1;
    return (b ^ length) % length;
}

} // namespace

Bytes testPicture(size_t length, uint32_t seed)
{
    Bytes b(length);
    uint32_t x = seed * 2654435761u + 12345u;
    for (auto &v : b) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<uint8_t>(x);
    }
    if (length >= 4) {
        // No stray end marker near the end: the receiver trims after the
        // first one it finds there.
        for (size_t i = length >= 18 ? length - 18 : 0; i < length; ++i)
            if (b[i] == 0xFF)
                b[i] = 0x00;
        b[0] = 0xFF;
        b[1] = 0xD8;
        b[length - 2] = 0xFF;
        b[length - 1] = 0xD9;
    }
    return b;
}

std::vector<Bytes> packets66(const Bytes &picture, const Frame66 &f)
{
    std::vector<Bytes> out;
    for (size_t off = 0, index = 0; off < picture.size(); off += f.packetSize, ++index) {
        size_t n = std::min<size_t>(f.packetSize, picture.size() - off);
        Bytes p(24 + n);
        p[0] = 0x66;
        p[2] = f.kind;
        p[3] = f.frameId;
        put32(p, 4, static_cast<uint32_t>(picture.size()));
        put16(p, 8, f.width);
        put16(p, 10, f.height);
        put16(p, 12, static_cast<uint16_t>(index));
        put16(p, 14, static_cast<uint16_t>(n));
        put32(p, 16, f.tilt);
        put32(p, 20, f.info);
        std::memcpy(p.data() + 24, picture.data() + off, n);
        out.push_back(std::move(p));
    }
    return out;
}

std::vector<Bytes> packetsType3(const Bytes &picture, const FrameType3 &f)
{
    Bytes sent = picture;
    if (f.invertOneByte && !sent.empty()) {
        uint32_t p = invertedPosition(f.info, static_cast<uint32_t>(sent.size()));
        sent[p] = static_cast<uint8_t>(~sent[p]);
    }
    size_t count = (sent.size() + f.packetSize - 1) / f.packetSize;
    std::vector<Bytes> out;
    for (size_t index = 1; index <= count; ++index) {
        size_t off = (index - 1) * f.packetSize;
        size_t n = std::min<size_t>(f.packetSize, sent.size() - off);
        Bytes p(51 + n);
        p[0] = 0x55; // anything but 0x66
        put16(p, 2, f.typeWord);
        put32(p, 8, f.tilt);
        put32(p, 16, f.invertOneByte ? 0 : 1);
        p[24] = f.kind;
        put32(p, 25, f.frameId);
        put32(p, 29, static_cast<uint32_t>(sent.size()));
        put16(p, 33, static_cast<uint16_t>(index));
        put16(p, 35, static_cast<uint16_t>(count));
        put16(p, 37, static_cast<uint16_t>(n));
        put16(p, 43, f.width);
        put16(p, 45, f.height);
        put32(p, 47, f.info);
        std::memcpy(p.data() + 51, sent.data() + off, n);
        out.push_back(std::move(p));
    }
    return out;
}

Bytes boundaryRecordWithLength(const Bytes &payload, const Record &r, uint32_t announced)
{
    Bytes header(32, 0);
    header[1] = r.type;
    header[2] = r.kindCode;
    put32(header, 4, announced);
    put32(header, 20, r.tilt);
    put32(header, 24, r.width);
    put32(header, 28, r.height);
    Bytes body = payload;
    if (r.type == 0 && !body.empty())
        body[body.size() / 2] = static_cast<uint8_t>(~body[body.size() / 2]);

    Bytes out;
    append(out, "BoundaryS");
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), body.begin(), body.end());
    append(out, "BoundaryE");
    return out;
}

Bytes boundaryRecord(const Bytes &payload, const Record &r)
{
    return boundaryRecordWithLength(payload, r, static_cast<uint32_t>(payload.size()));
}

} // namespace streamwire
