// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_POSIX_FILE_STORAGE_H
#define QV_POSIX_FILE_STORAGE_H

// AVI bytes into a regular file through positional vectored writes: a chunk
// header, its data and its pad byte leave in one system call without being
// copied into a staging buffer first.
//
// Thread rules: as AviStorage (owned by one AviFile, no lock).

#include "recorder/avi_storage.h"

#include <memory>
#include <string>

namespace qv {

class PosixFileStorage final : public AviStorage {
public:
    // Creates or opens the file for reading and writing with the permissions
    // the process mask allows. An existing file is emptied: a recording that
    // fails half-way must not leave the tail of an older file behind it.
    // Null when the file cannot be opened.
    static std::unique_ptr<AviStorage> open(const std::string &path);

    ~PosixFileStorage() override;
    PosixFileStorage(const PosixFileStorage &) = delete;
    PosixFileStorage &operator=(const PosixFileStorage &) = delete;

    StorageStatus writeAt(std::uint64_t offset, const ByteSpan *pieces,
                          std::size_t count) override;
    bool truncate(std::uint64_t size) override;
    bool close() override;

private:
    explicit PosixFileStorage(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace qv

#endif
