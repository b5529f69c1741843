// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_BOUNDARY_PARSER_H
#define QV_BOUNDARY_PARSER_H

// Cuts records out of the TCP byte stream. A record sits between the text
// "BoundaryS" and the text "Boundary" followed by 'E'. The stream arrives in
// arbitrary chunks; a record may span many of them. A record that would
// outgrow the 3 MiB record buffer is discarded and the parser waits for the
// next "BoundaryS".
//
// Thread rules: belongs to the TCP receive thread (no lock); calls its
// record handler on that thread.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace qv {

class BoundaryParser {
public:
    static constexpr size_t kRecordBufferBytes = 0x300000;
    // Called with a complete record (markers removed). The bytes may be
    // modified in place; they are valid only during the call.
    using RecordHandler = std::function<void(uint8_t *record, size_t length)>;

    explicit BoundaryParser(RecordHandler handler, size_t capacity = kRecordBufferBytes);
    void feed(const uint8_t *bytes, size_t length);

private:
    void step(uint8_t byte);
    void append(const uint8_t *bytes, size_t count);

    RecordHandler handler_;
    std::vector<uint8_t> record_;
    size_t recordLength_ = 0;
    int position_ = 0; // characters of the marker matched so far (0..8)
    bool inRecord_ = false;
};

} // namespace qv

#endif
