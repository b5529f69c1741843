// SPDX-License-Identifier: GPL-3.0-or-later

// grabix's check of a finished recording reads back the head of a file on
// disk: whatever is there (a file replaced or cut by someone else, a full
// disk) must give an answer, never a read past the bytes it has.

#include "record/finished_avi_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The head in a buffer of exactly its size, so a read past it is seen.
    const std::size_t headSize = size < grabix::kAviHeadBytes ? size : grabix::kAviHeadBytes;
    std::vector<std::uint8_t> head(data, data + headSize);
    const std::string problem = grabix::problemWithFinishedAvi(head.data(), head.size(), size);
    if (problem.empty()) {
        const std::uint32_t riffSize = std::uint32_t(data[4]) | std::uint32_t(data[5]) << 8 |
                                       std::uint32_t(data[6]) << 16 | std::uint32_t(data[7]) << 24;
        if (std::memcmp(data, "RIFF", 4) != 0 || std::uint64_t(riffSize) + 8 != size)
            __builtin_trap(); // accepted a file that is not a finished AVI
    }
    return 0;
}
