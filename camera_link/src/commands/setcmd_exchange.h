// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_SETCMD_EXCHANGE_H
#define QV_SETCMD_EXCHANGE_H

// The SETCMD exchange: takes the next sequence number, frames the request,
// receives into the library's reply buffer and hands the command's handler
// only replies that start with "RETCMD" and carry the request's code.
//
// Thread rules: as the command exports (one thread at a time).

#include "setcmd_frame.h"
#include "udp_exchange.h"

namespace qv {

struct SetCmdRequest {
    uint16_t code = 0;
    Bytes payload;
    size_t extraZeros = 0; // bytes sent after the payload, not counted by its length
    ExchangePlan plan;
};

using SetCmdHandler = std::function<ReplyVerdict(const SetCmdReply &)>;

// Without a handler, any matching reply is accepted.
ExchangeOutcome runSetCmd(const char *ip, const SetCmdRequest &request,
                          const SetCmdHandler &handler = {});

} // namespace qv

#endif
