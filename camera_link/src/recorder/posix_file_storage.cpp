// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/posix_file_storage.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace qv {

namespace {

constexpr std::size_t kMaxPieces = 8;

StorageStatus statusFromErrno()
{
    switch (errno) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return StorageStatus::NoSpace;
    default:
        return StorageStatus::Failed;
    }
}

} // namespace

std::unique_ptr<AviStorage> PosixFileStorage::open(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<AviStorage>(new PosixFileStorage(fd));
}

PosixFileStorage::~PosixFileStorage() { close(); }

StorageStatus PosixFileStorage::writeAt(std::uint64_t offset, const ByteSpan *pieces,
                                        std::size_t count)
{
    if (fd_ < 0 || count > kMaxPieces)
        return StorageStatus::Failed;
    iovec iov[kMaxPieces];
    std::size_t used = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (pieces[i].size == 0)
            continue;
        iov[used].iov_base = const_cast<void *>(pieces[i].data);
        iov[used].iov_len = pieces[i].size;
        ++used;
    }
    iovec *next = iov;
    while (used > 0) {
        ssize_t n = ::pwritev(fd_, next, static_cast<int>(used), static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return statusFromErrno();
        }
        if (n == 0)
            return StorageStatus::Failed;
        offset += static_cast<std::uint64_t>(n);
        // A short write (the medium filling up, a signal) resumes after the
        // bytes that made it; the next call reports the reason if it fails.
        auto left = static_cast<std::size_t>(n);
        while (used > 0 && left >= next->iov_len) {
            left -= next->iov_len;
            ++next;
            --used;
        }
        if (used > 0) {
            next->iov_base = static_cast<char *>(next->iov_base) + left;
            next->iov_len -= left;
        }
    }
    return StorageStatus::Ok;
}

bool PosixFileStorage::truncate(std::uint64_t size)
{
    if (fd_ < 0)
        return false;
    while (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool PosixFileStorage::close()
{
    if (fd_ < 0)
        return true;
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
}

} // namespace qv
