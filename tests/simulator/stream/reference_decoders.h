#ifndef STREAM_SIM_REFERENCE_DECODERS_H
#define STREAM_SIM_REFERENCE_DECODERS_H

// Small receivers written straight from the camera's wire tables, kept apart
// from the simulator's code so that the tests check the packetizers against
// an independent reading of the format (not against themselves).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace reference {

inline uint32_t le16(const std::vector<uint8_t> &d, size_t at)
{
    return d.at(at) + 256u * d.at(at + 1);
}

inline uint32_t le32(const std::vector<uint8_t> &d, size_t at)
{
    return le16(d, at) + 65536u * le16(d, at + 2);
}

// Seed s, length n: which byte of a type-3 frame travels inverted. Computed
// in 64 bits with explicit wrap-around, unlike the simulator.
inline uint64_t invertedPosition(uint64_t s, uint64_t n)
{
    const uint64_t wrap = 1ull << 32;
    uint64_t v = (s ^ n) % wrap;
    v = (v + n + (n % 2 == 0 ? 1 : 0)) % wrap;
    v = v ^ n;
    return v % n;
}

struct Frame {
    uint32_t id = 0;
    uint32_t info = 0;
    uint8_t kind = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t tilt = 0;
    std::vector<uint8_t> bytes;
};

// 0x66 datagrams: header 24 bytes, packet index from 0, fixed packet size.
class Udp66Assembler {
public:
    explicit Udp66Assembler(size_t packetSize) : packetSize_(packetSize) {}

    // True when d completed a frame (then in out).
    bool feed(const std::vector<uint8_t> &d, Frame &out)
    {
        if (d.size() < 24 || d[0] != 0x66)
            return false;
        const uint32_t id = d[3];
        const uint32_t total = le32(d, 4);
        const uint32_t index = le16(d, 12);
        const uint32_t payload = le16(d, 14);
        if (payload != d.size() - 24 || index * packetSize_ + payload > total)
            return false;
        Pending &p = pending_[id];
        if (p.bytes.size() != total) {
            p = Pending();
            p.bytes.assign(total, 0);
        }
        if (!p.seen.insert(index).second)
            return false;
        std::memcpy(&p.bytes[index * packetSize_], &d[24], payload);
        p.received += payload;
        if (p.received != total)
            return false;
        out.id = id;
        out.kind = d[2];
        out.width = le16(d, 8);
        out.height = le16(d, 10);
        out.tilt = le32(d, 16);
        out.info = le32(d, 20);
        out.bytes = std::move(p.bytes);
        pending_.erase(id);
        return true;
    }

private:
    struct Pending {
        std::vector<uint8_t> bytes;
        std::set<uint32_t> seen;
        size_t received = 0;
    };
    size_t packetSize_;
    std::map<uint32_t, Pending> pending_;
};

// Type-3 datagrams: 24-byte packet header + 27-byte frame header, index
// from 1, packet count announced; word 16 == 0 means one inverted byte.
class Udp3Assembler {
public:
    explicit Udp3Assembler(size_t packetSize) : packetSize_(packetSize) {}

    bool feed(const std::vector<uint8_t> &d, Frame &out)
    {
        if (d.size() < 51 || le16(d, 2) != 3)
            return false;
        const uint32_t id = le32(d, 25);
        const uint32_t total = le32(d, 29);
        const uint32_t index = le16(d, 33);
        const uint32_t count = le16(d, 35);
        const uint32_t payload = le16(d, 37);
        if (index < 1 || index > count || payload != d.size() - 51 ||
            (index - 1) * packetSize_ + payload > total)
            return false;
        Pending &p = pending_[id];
        if (p.bytes.size() != total) {
            p = Pending();
            p.bytes.assign(total, 0);
        }
        if (!p.seen.insert(index).second)
            return false;
        std::memcpy(&p.bytes[(index - 1) * packetSize_], &d[51], payload);
        if (p.seen.size() != count)
            return false;
        out.id = id;
        out.kind = d[24];
        out.tilt = le32(d, 8);
        out.width = le16(d, 43);
        out.height = le16(d, 45);
        out.info = le32(d, 47);
        out.bytes = std::move(p.bytes);
        if (le32(d, 16) == 0 && total > 0)
            out.bytes[invertedPosition(out.info, total)] ^= 0xFF;
        pending_.erase(id);
        return true;
    }

private:
    struct Pending {
        std::vector<uint8_t> bytes;
        std::set<uint32_t> seen;
    };
    size_t packetSize_;
    std::map<uint32_t, Pending> pending_;
};

struct Record {
    uint8_t type = 0;
    uint8_t kind = 0;
    uint32_t declared = 0; // P from the header
    uint32_t frameWord = 0;
    uint32_t tilt = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> payload; // with the middle byte restored for type 0
};

// Cuts "BoundaryS" ... "BoundaryE" records out of a byte stream.
class RecordReader {
public:
    std::vector<Record> feed(const uint8_t *data, size_t length)
    {
        buffer_.append(reinterpret_cast<const char *>(data), length);
        std::vector<Record> out;
        while (true) {
            const size_t start = buffer_.find("BoundaryS");
            if (start == std::string::npos)
                break;
            const size_t end = buffer_.find("BoundaryE", start + 9);
            if (end == std::string::npos)
                break;
            const std::vector<uint8_t> r(buffer_.begin() + static_cast<long>(start + 9),
                                         buffer_.begin() + static_cast<long>(end));
            buffer_.erase(0, end + 9);
            if (r.size() < 32)
                continue;
            Record rec;
            rec.type = r[1];
            rec.kind = r[2];
            rec.declared = le32(r, 4);
            rec.frameWord = le32(r, 12);
            rec.tilt = le32(r, 20);
            rec.width = le32(r, 24);
            rec.height = le32(r, 28);
            rec.payload.assign(r.begin() + 32, r.end());
            if (rec.type == 0 && !rec.payload.empty())
                rec.payload[rec.payload.size() / 2] ^= 0xFF;
            out.push_back(std::move(rec));
        }
        return out;
    }

private:
    std::string buffer_;
};

} // namespace reference

#endif
