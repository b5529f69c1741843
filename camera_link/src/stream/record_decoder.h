// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_RECORD_DECODER_H
#define QV_RECORD_DECODER_H

// Turns one TCP record (32-byte header, then the payload) into a frame:
// type 0 is video (one byte restored, trailing bytes after the JPEG end
// marker trimmed), type 1 is a second stream passed on unchanged, anything
// else — or a length that does not match the header — is rejected.
//
// Thread rules: belongs to the TCP receive thread (no lock).

#include "stream/frame_sink.h"

#include <cstddef>
#include <cstdint>

namespace qv {

class RecordDecoder {
public:
    static constexpr size_t kHeaderBytes = 32;

    explicit RecordDecoder(FrameSink &sink) : sink_(sink) {}
    // The record is modified in place (the restored byte).
    void decode(uint8_t *record, size_t length);

    // Bytes after the JPEG end marker in the last 16 bytes of the record;
    // only pairs inside the payload count.
    static size_t trailingBytes(const uint8_t *record, size_t length);

private:
    FrameSink &sink_;
};

} // namespace qv

#endif
