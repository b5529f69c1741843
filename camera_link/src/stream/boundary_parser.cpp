// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/boundary_parser.h"

#include <cstdio>
#include <cstring>

namespace qv {

namespace {
constexpr char kMarker[] = "Boundary";
constexpr int kMarkerLength = 8;
constexpr size_t kEndMarkerBytes = 9; // the marker and its 'E'
} // namespace

BoundaryParser::BoundaryParser(RecordHandler handler, size_t capacity)
    : handler_(std::move(handler)), record_(capacity)
{
}

void BoundaryParser::append(const uint8_t *bytes, size_t count)
{
    if (count > record_.size() - recordLength_) {
        std::printf("QV: %d: stream record longer than %d bytes, skipped \n", 312,
                    static_cast<int>(record_.size()));
        inRecord_ = false;
        recordLength_ = 0;
        return;
    }
    std::memcpy(record_.data() + recordLength_, bytes, count);
    recordLength_ += count;
}

void BoundaryParser::feed(const uint8_t *bytes, size_t length)
{
    if (!bytes)
        return;
    size_t i = 0;
    while (i < length) {
        if (position_ == 0) {
            // Between markers only a 'B' can matter: copy everything up to
            // it in one go instead of byte by byte.
            const void *hit = std::memchr(bytes + i, 'B', length - i);
            size_t stop = hit ? static_cast<size_t>(static_cast<const uint8_t *>(hit) - bytes) : length;
            if (inRecord_)
                append(bytes + i, stop - i);
            i = stop;
            if (i == length)
                break;
        }
        step(bytes[i]);
        ++i;
    }
}

void BoundaryParser::step(uint8_t byte)
{
    if (inRecord_)
        append(&byte, 1);
    if (position_ < kMarkerLength) {
        position_ = byte == static_cast<uint8_t>(kMarker[position_]) ? position_ + 1 : 0;
        return;
    }
    if (byte == 'E') {
        position_ = 0;
        if (inRecord_ && recordLength_ >= kEndMarkerBytes) {
            inRecord_ = false;
            handler_(record_.data(), recordLength_ - kEndMarkerBytes);
        }
        inRecord_ = false;
        recordLength_ = 0;
    } else if (byte == 'S') {
        position_ = 0;
        inRecord_ = true;
        recordLength_ = 0;
    }
    // Any other byte keeps the parser waiting for 'E' or 'S'.
}

} // namespace qv
