// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_DATAGRAM_BATCH_READER_H
#define QV_DATAGRAM_BATCH_READER_H

// Hands out the stream link's datagrams one at a time, with linkReceive's
// contract, but fetches them from the kernel in batches. A camera sends a
// frame as a quick run of datagrams; waking the receive thread for each one
// costs far more than handling it. So once a datagram has arrived the reader
// naps for a bounded moment, letting the rest of the run land in the
// receive buffer, and then takes everything queued with one call. When a
// nap turns up nothing the run is over and the next read blocks (under the
// link's receive time-out) as a plain receive would, so the first datagram
// after a quiet spell is handed out without delay.
//
// The price is latency: a datagram that lands during a nap waits for the
// nap to end, so the nap is kept well under a frame time.
//
// Thread rules: the reader belongs to the thread that owns the link and is
// used only there; it has no lock.

#include "transport/udp_link.h"

#include <cstdint>
#include <vector>

#if !defined(_WIN32)
#include <sys/socket.h>
#endif

namespace qv {

class DatagramBatchReader {
public:
    static constexpr int kDefaultGatherMicros = 1000;
    static constexpr int kBatchSize = 64;

    // capacity: the largest datagram accepted; larger ones are failures.
    // gatherMicros: the nap between batches while datagrams keep coming
    // (0 takes whatever is queued without napping).
    DatagramBatchReader(UdpLink *link, int capacity, int gatherMicros = kDefaultGatherMicros);

    // The next datagram: its length, with data pointing at its bytes until
    // the next call, and its sender recorded as the link's peer. -1 on
    // time-out or error (peer untouched) and for a datagram larger than
    // capacity (peer set to its sender), exactly as linkReceive.
    int next(const uint8_t *&data);

private:
    int refill();

    UdpLink *link_;
    const int capacity_;
    const int gatherMicros_;
    std::vector<uint8_t> buffers_;
    int count_ = 0;  // datagrams in the current batch
    int cursor_ = 0; // the next one to hand out
    bool napPending_ = false; // the last fetch woke the thread for a run's head
#if !defined(_WIN32)
    std::vector<mmsghdr> headers_;
    std::vector<iovec> vectors_;
    std::vector<sockaddr_in> senders_;
#endif
};

} // namespace qv

#endif
