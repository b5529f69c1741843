// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_AVI_STORAGE_H
#define QV_AVI_STORAGE_H

// Where the bytes of an AVI file go. The writer keeps its own notion of the
// file position and addresses every write explicitly, so a failed write never
// leaves a hidden file offset behind. Production code writes to a file
// (PosixFileStorage); tests substitute storages that run out of space.
//
// Thread rules: a storage belongs to the AviFile that owns it; no lock.

#include <cstddef>
#include <cstdint>

namespace qv {

struct ByteSpan {
    const void *data;
    std::size_t size;
};

enum class StorageStatus {
    Ok,
    NoSpace, // the medium is full (or a quota or file-size limit was hit)
    Failed,  // any other error
};

class AviStorage {
public:
    virtual ~AviStorage() = default;

    // Writes the pieces back to back from offset on. On failure a prefix of
    // the bytes may have reached the medium; the caller decides what to cut.
    virtual StorageStatus writeAt(std::uint64_t offset, const ByteSpan *pieces,
                                  std::size_t count) = 0;

    // Cuts (or extends with zeros) the file to size bytes.
    virtual bool truncate(std::uint64_t size) = 0;

    // Releases the file. False when the system reports a late write error.
    // Further calls do nothing and return true.
    virtual bool close() = 0;
};

} // namespace qv

#endif
