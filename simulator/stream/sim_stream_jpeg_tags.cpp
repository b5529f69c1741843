// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_jpeg_tags.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace camsim {

namespace {

constexpr char kTagPrefix[] = "camsim frame ";
constexpr size_t kMaxCommentBody = 65533; // the 16-bit length counts itself

void insertComment(std::vector<uint8_t> &jpeg, size_t at, const uint8_t *body, size_t length)
{
    const size_t segment = length + 2;
    std::vector<uint8_t> bytes(2 + segment);
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    bytes[2] = static_cast<uint8_t>(segment >> 8);
    bytes[3] = static_cast<uint8_t>(segment);
    if (length)
        std::memcpy(&bytes[4], body, length);
    jpeg.insert(jpeg.begin() + static_cast<long>(at), bytes.begin(), bytes.end());
}

bool startsJpeg(const std::vector<uint8_t> &jpeg)
{
    return jpeg.size() >= 2 && jpeg[0] == 0xFF && jpeg[1] == 0xD8;
}

} // namespace

std::vector<uint8_t> withFrameTag(const std::vector<uint8_t> &jpeg, uint32_t counter)
{
    std::vector<uint8_t> out = jpeg;
    if (!startsJpeg(out))
        return out;
    char text[40];
    const int n = std::snprintf(text, sizeof text, "%s%u", kTagPrefix, counter);
    insertComment(out, 2, reinterpret_cast<const uint8_t *>(text), static_cast<size_t>(n));
    return out;
}

bool readFrameTag(const uint8_t *data, size_t length, uint32_t &counter)
{
    const size_t prefix = sizeof kTagPrefix - 1;
    if (data == nullptr || length < 6 + prefix || data[0] != 0xFF || data[1] != 0xD8 ||
        data[2] != 0xFF || data[3] != 0xFE)
        return false;
    const size_t segment = (static_cast<size_t>(data[4]) << 8) | data[5];
    if (segment < 2 + prefix || segment > 2 + prefix + 10 || 4 + segment > length)
        return false;
    if (std::memcmp(data + 6, kTagPrefix, prefix) != 0)
        return false;
    uint64_t value = 0;
    for (size_t i = 6 + prefix; i < 4 + segment; ++i) {
        if (data[i] < '0' || data[i] > '9')
            return false;
        value = value * 10 + static_cast<uint64_t>(data[i] - '0');
    }
    if (value > 0xFFFFFFFFull)
        return false;
    counter = static_cast<uint32_t>(value);
    return true;
}

void padToSize(std::vector<uint8_t> &jpeg, size_t targetBytes)
{
    if (!startsJpeg(jpeg))
        return;
    // Padding goes behind the frame tag so the tag stays first.
    size_t at = 2;
    uint32_t counter = 0;
    if (readFrameTag(jpeg.data(), jpeg.size(), counter))
        at = 4 + ((static_cast<size_t>(jpeg[4]) << 8) | jpeg[5]);
    const std::vector<uint8_t> filler(kMaxCommentBody, 0x20);
    while (jpeg.size() < targetBytes) {
        const size_t missing = targetBytes - jpeg.size();
        // A segment costs four bytes beyond its body.
        const size_t body = std::min(kMaxCommentBody, missing > 4 ? missing - 4 : 0);
        insertComment(jpeg, at, filler.data(), body);
    }
}

} // namespace camsim
