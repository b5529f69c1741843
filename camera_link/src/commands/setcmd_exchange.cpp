// SPDX-License-Identifier: LGPL-2.1-or-later

#include "setcmd_exchange.h"

#include "command_state.h"

namespace qv {

ExchangeOutcome runSetCmd(const char *ip, const SetCmdRequest &request,
                          const SetCmdHandler &handler)
{
    const uint32_t seq = nextCommandSequence();
    const Bytes datagram =
        buildSetCmdRequest(seq, request.code, request.payload, request.extraZeros);
    return runExchange(ip, datagram, request.plan, replyBuffer(), kReplyBufferBytes,
                       [&](const uint8_t *bytes, size_t length, const UdpLink &) {
                           const auto reply = parseSetCmdReply(bytes, length);
                           if (!reply || reply->code != request.code)
                               return ReplyVerdict::Retry;
                           return handler ? handler(*reply) : ReplyVerdict::Accept;
                       });
}

} // namespace qv
