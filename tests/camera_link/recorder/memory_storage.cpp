// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory_storage.h"

#include <algorithm>
#include <cstring>
#include <fstream>

qv::StorageStatus MemoryStorage::writeAt(std::uint64_t offset, const qv::ByteSpan *pieces,
                                         std::size_t count)
{
    MemoryMedium &m = *medium_;
    if (m.closed)
        return qv::StorageStatus::Failed;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < count; ++i)
        total += pieces[i].size;
    if (total > 0 && offset + total > m.failFrom)
        return qv::StorageStatus::Failed;
    for (std::size_t i = 0; i < count; ++i) {
        const auto *src = static_cast<const std::uint8_t *>(pieces[i].data);
        for (std::size_t left = pieces[i].size; left > 0;) {
            if (offset >= m.capacity)
                return qv::StorageStatus::NoSpace;
            const std::size_t n = std::min<std::uint64_t>(left, m.capacity - offset);
            if (m.bytes.size() < offset + n)
                m.bytes.resize(offset + n);
            std::memcpy(m.bytes.data() + offset, src, n);
            src += n;
            offset += n;
            left -= n;
        }
    }
    return qv::StorageStatus::Ok;
}

bool MemoryStorage::truncate(std::uint64_t size)
{
    if (medium_->closed || size > medium_->capacity)
        return false;
    medium_->bytes.resize(size);
    return true;
}

bool MemoryStorage::close()
{
    medium_->closed = true;
    return true;
}

std::unique_ptr<qv::AviStorage> openMemoryStorage(const std::shared_ptr<MemoryMedium> &medium)
{
    medium->closed = false;
    medium->bytes.clear(); // as a file opened for recording is emptied
    ++medium->opens;
    return std::make_unique<MemoryStorage>(medium);
}

void saveMedium(const MemoryMedium &medium, const std::string &path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(medium.bytes.data()),
              static_cast<std::streamsize>(medium.bytes.size()));
}
