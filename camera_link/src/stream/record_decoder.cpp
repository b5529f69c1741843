// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/record_decoder.h"

#include "stream/wire_bytes.h"

#include <cstdio>

namespace qv {

size_t RecordDecoder::trailingBytes(const uint8_t *record, size_t length)
{
    for (size_t i = 16; i >= 2; --i) {
        if (length < i || length - i < kHeaderBytes)
            continue;
        size_t at = length - i;
        if (record[at] == 0xFF && record[at + 1] == 0xD9)
            return i - 2;
    }
    return 0;
}

void RecordDecoder::decode(uint8_t *record, size_t length)
{
    if (!record || length < kHeaderBytes) {
        std::printf("QV: %d: stream type is not video %d \n", 276,
                    static_cast<int>(length) - static_cast<int>(kHeaderBytes));
        return;
    }
    const uint8_t type = record[1];
    const int32_t kind = record[2] == 4 ? 4 : 1;
    const uint32_t payloadLength = readLe32(record + 4);
    const size_t expected = length - kHeaderBytes;
    sink_.setTiltWord(readLe32(record + 20));

    if (payloadLength != expected || payloadLength == 0 || type > 1) {
        std::printf("QV: %d: stream type is not video %d \n", 276, static_cast<int>(expected));
        return;
    }
    uint8_t *payload = record + kHeaderBytes;
    const int32_t p = static_cast<int32_t>(payloadLength);
    if (type == 1) {
        sink_.deliverUnchanged(payload, p, kind);
        return;
    }
    payload[payloadLength / 2] = static_cast<uint8_t>(~payload[payloadLength / 2]);
    size_t trimmed = 0;
    if (payloadLength >= 2 && payload[0] == 0xFF && payload[1] == 0xD8)
        trimmed = trailingBytes(record, length);

    VideoFrame frame;
    frame.bytes = payload;
    frame.length = p - static_cast<int32_t>(trimmed);
    frame.kind = kind;
    frame.info = 0;
    frame.width = static_cast<int32_t>(readLe32(record + 24));
    frame.height = static_cast<int32_t>(readLe32(record + 28));
    sink_.deliverVideo(frame);
}

} // namespace qv
