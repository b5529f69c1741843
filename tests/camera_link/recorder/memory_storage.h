// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECORDER_TEST_MEMORY_STORAGE_H
#define RECORDER_TEST_MEMORY_STORAGE_H

// An AviStorage in memory with a capacity, standing in for a medium that
// fills up: a write that would grow the file past the capacity writes what
// fits and reports NoSpace, as a full disk does. Cutting the file gives the
// space back. The medium outlives the storage so tests can inspect it after
// the writer has closed it.

#include "recorder/avi_storage.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

struct MemoryMedium {
    std::vector<std::uint8_t> bytes;
    std::size_t capacity = std::numeric_limits<std::size_t>::max();
    // Writes reaching this offset or beyond fail with a non-space error
    // (an I/O error rather than a full medium).
    std::uint64_t failFrom = std::numeric_limits<std::uint64_t>::max();
    bool closed = false;
    int opens = 0;
};

class MemoryStorage final : public qv::AviStorage {
public:
    explicit MemoryStorage(std::shared_ptr<MemoryMedium> medium) : medium_(std::move(medium)) {}

    qv::StorageStatus writeAt(std::uint64_t offset, const qv::ByteSpan *pieces,
                              std::size_t count) override;
    bool truncate(std::uint64_t size) override;
    bool close() override;

private:
    std::shared_ptr<MemoryMedium> medium_;
};

// A storage opener for the Recorder that hands out storages on medium.
std::unique_ptr<qv::AviStorage> openMemoryStorage(const std::shared_ptr<MemoryMedium> &medium);

// Writes the medium's bytes to a file (for checking them with the media tools).
void saveMedium(const MemoryMedium &medium, const std::string &path);

#endif
