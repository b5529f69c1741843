// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_UDP_EXCHANGE_H
#define QV_UDP_EXCHANGE_H

// One request/reply exchange with the camera: open a link to the command
// port, send, wait for a usable reply with a bounded number of tries, close.
// Both command families are built on it; they add their own reply checks.
//
// Thread rules: blocking; runs on the caller's thread and keeps nothing.

#include "wire_bytes.h"

#include <functional>

struct UdpLink;

namespace qv {

enum class ReplyVerdict {
    Accept, // the reply is what the command wanted: stop, success
    Retry,  // not usable: pause (if any) and try again
    Stop    // usable but final: stop without success
};

enum class ExchangeOutcome { Accepted, Stopped, NoReply, LinkFailed };

struct ExchangePlan {
    int tries = 3;
    int pauseMs = 0;
    int timeoutMs = 300;
    bool broadcast = false;
};

// The handler sees each received datagram and the link (whose peer is the
// datagram's sender).
using ReplyHandler = std::function<ReplyVerdict(const uint8_t *reply, size_t length,
                                                const UdpLink &link)>;

ExchangeOutcome runExchange(const char *ip, const Bytes &request, const ExchangePlan &plan,
                            uint8_t *buffer, int capacity, const ReplyHandler &handler);

} // namespace qv

#endif
