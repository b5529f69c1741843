// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/frame_record.h"

#include <cstring>
#include <new>

namespace qv {

FrameRecordPtr FrameRecord::copyOf(const uint8_t *bytes, int32_t length,
                                   int32_t kind, uint64_t info)
{
    if (!bytes || length <= 0)
        return nullptr;
    FrameRecordPtr record(new (std::nothrow) FrameRecord);
    if (!record)
        return nullptr;
    // Not value-initialised: every byte is overwritten by the copy below.
    record->data.reset(new (std::nothrow) uint8_t[static_cast<size_t>(length)]);
    if (!record->data)
        return nullptr;
    std::memcpy(record->data.get(), bytes, static_cast<size_t>(length));
    record->length = length;
    record->kind = kind;
    record->info = info;
    return record;
}

} // namespace qv
