// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME9999_EXCHANGE_H
#define QV_FRAME9999_EXCHANGE_H

// The 0x9999 exchange: takes the next sequence number, frames the request,
// receives into a local buffer and hands the command's handler only replies
// whose code (and, where the command asks for it, magic) match.
//
// Thread rules: as the command exports (one thread at a time).

#include "frame9999.h"
#include "udp_exchange.h"

namespace qv {

enum class ReplyCheck { Code, MagicAndCode };

struct Frame9999Request {
    uint16_t code = 0;
    uint32_t a1 = 0;
    uint32_t a2 = 0;
    Bytes payload;
    ReplyCheck check = ReplyCheck::MagicAndCode;
    ExchangePlan plan;
    int receiveCapacity = 1024;
};

using Frame9999Handler = std::function<ReplyVerdict(const Frame9999Reply &, const UdpLink &)>;

// Without a handler, any matching reply is accepted; the accepted reply's
// header fields are copied to *accepted when given (its payload pointer is
// not valid after the call).
ExchangeOutcome runFrame9999(const char *ip, const Frame9999Request &request,
                             const Frame9999Handler &handler = {},
                             Frame9999Reply *accepted = nullptr);

// Whether a reply passes the check for a request code.
bool replyMatches(const Frame9999Reply &reply, uint16_t code, ReplyCheck check);

} // namespace qv

#endif
