// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/datagram_batch_reader.h"

#include <chrono>
#include <thread>

namespace qv {

#if defined(_WIN32)

// Without a batched receive there is nothing to gain from napping.
DatagramBatchReader::DatagramBatchReader(UdpLink *link, int capacity, int)
    : link_(link), capacity_(capacity), gatherMicros_(0), buffers_(static_cast<size_t>(capacity))
{
}

int DatagramBatchReader::next(const uint8_t *&data)
{
    data = buffers_.data();
    return linkReceive(link_, buffers_.data(), capacity_);
}

int DatagramBatchReader::refill() { return -1; }

#else

DatagramBatchReader::DatagramBatchReader(UdpLink *link, int capacity, int gatherMicros)
    : link_(link), capacity_(capacity), gatherMicros_(gatherMicros),
      buffers_(static_cast<size_t>(capacity) * kBatchSize), headers_(kBatchSize),
      vectors_(kBatchSize), senders_(kBatchSize)
{
}

int DatagramBatchReader::refill()
{
    for (int i = 0; i < kBatchSize; ++i) {
        vectors_[i] = {buffers_.data() + static_cast<size_t>(i) * static_cast<size_t>(capacity_),
                       static_cast<size_t>(capacity_)};
        msghdr &h = headers_[i].msg_hdr;
        h = msghdr{};
        h.msg_name = &senders_[i];
        h.msg_namelen = sizeof(sockaddr_in);
        h.msg_iov = &vectors_[i];
        h.msg_iovlen = 1;
        headers_[i].msg_len = 0;
    }
    if (napPending_) {
        napPending_ = false;
        if (gatherMicros_ > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(gatherMicros_));
    }
    int n = ::recvmmsg(link_->socket, headers_.data(), kBatchSize, MSG_DONTWAIT, nullptr);
    if (n > 0)
        return n;
    // Nothing queued: sleep (under the link's receive time-out) until the
    // next datagram, taking whatever has joined it by then.
    n = ::recvmmsg(link_->socket, headers_.data(), kBatchSize, MSG_WAITFORONE, nullptr);
    // A wake-up that found only the head of a run: let the rest land before
    // the next fetch. The datagrams in hand are handed out first, so a run's
    // last datagram is never held back by it.
    napPending_ = n > 0 && n < kBatchSize;
    return n;
}

int DatagramBatchReader::next(const uint8_t *&data)
{
    if (cursor_ >= count_) {
        cursor_ = 0;
        count_ = refill();
        if (count_ <= 0) {
            count_ = 0;
            return -1;
        }
    }
    const int i = cursor_++;
    const sockaddr_in &from = senders_[i];
    link_->peer.sin_family = AF_INET;
    link_->peer.sin_addr = from.sin_addr;
    link_->peer.sin_port = from.sin_port;
    data = static_cast<const uint8_t *>(vectors_[i].iov_base);
    if (headers_[i].msg_hdr.msg_flags & MSG_TRUNC)
        return -1;
    return static_cast<int>(headers_[i].msg_len);
}

#endif

} // namespace qv
