#include "core/live_view/frame_byte_copies.h"

#include <QMutexLocker>

#include <cstring>

FrameByteCopies::~FrameByteCopies()
{
    for (unsigned char *copy : live_)
        delete[] copy;
}

unsigned char *FrameByteCopies::make(const unsigned char *bytes, int size)
{
    if (!bytes || size <= 0)
        return nullptr;
    auto *copy = new unsigned char[size_t(size)];
    std::memcpy(copy, bytes, size_t(size));
    QMutexLocker lock(&mutex_);
    live_.insert(copy);
    return copy;
}

void FrameByteCopies::release(unsigned char *copy)
{
    if (!copy)
        return;
    {
        QMutexLocker lock(&mutex_);
        if (live_.erase(copy) == 0)
            return;
    }
    delete[] copy;
}

std::size_t FrameByteCopies::outstanding() const
{
    QMutexLocker lock(&mutex_);
    return live_.size();
}
