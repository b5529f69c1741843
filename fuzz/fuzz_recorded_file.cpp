// SPDX-License-Identifier: GPL-3.0-or-later

// The application reads back every video recording it finished: whatever
// the file holds (cut short, damaged, replaced by someone else) must give
// an answer, never a read outside the file or a match it does not have.

#include "core/capture/recorded_file_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input is the file; its last 16 bytes (when there are that many)
    // also stand for the frame handed over last, so matches happen.
    const std::vector<std::uint8_t> file(data, data + size);
    const ReadAt read = [&file](std::uint64_t offset, std::size_t length, std::uint8_t *out) {
        if (offset > file.size() || length > file.size() - offset)
            return false;
        std::memcpy(out, file.data() + offset, length);
        return true;
    };
    const std::size_t frameSize = size < 16 ? size : 16;
    const std::vector<std::uint8_t> frame(data + size - frameSize, data + size);
    const RecordedFileProblem problem = checkRecordedFile(read, size, frame.data(), frame.size());
    if (problem == RecordedFileProblem::None && (size < 2048 || std::memcmp(data, "RIFF", 4) != 0))
        __builtin_trap(); // called a file complete that is not an AVI at all
    checkRecordedFile(read, size, nullptr, 0);
    return 0;
}
