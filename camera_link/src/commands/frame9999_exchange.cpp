// SPDX-License-Identifier: LGPL-2.1-or-later

#include "frame9999_exchange.h"

#include "command_state.h"

#include <vector>

namespace qv {

bool replyMatches(const Frame9999Reply &reply, uint16_t code, ReplyCheck check)
{
    if (reply.code != code)
        return false;
    return check == ReplyCheck::Code || reply.magic == kMagic9999;
}

ExchangeOutcome runFrame9999(const char *ip, const Frame9999Request &request,
                             const Frame9999Handler &handler, Frame9999Reply *accepted)
{
    const uint32_t seq = nextCommandSequence();
    const Bytes datagram =
        buildFrame9999Request(seq, request.code, request.a1, request.a2, request.payload);
    std::vector<uint8_t> buffer(static_cast<size_t>(request.receiveCapacity));
    return runExchange(ip, datagram, request.plan, buffer.data(), request.receiveCapacity,
                       [&](const uint8_t *bytes, size_t length, const UdpLink &link) {
                           const auto reply = parseFrame9999Reply(bytes, length);
                           if (!reply || !replyMatches(*reply, request.code, request.check))
                               return ReplyVerdict::Retry;
                           const ReplyVerdict verdict =
                               handler ? handler(*reply, link) : ReplyVerdict::Accept;
                           if (verdict == ReplyVerdict::Accept && accepted) {
                               *accepted = *reply;
                               accepted->payload = nullptr;
                           }
                           return verdict;
                       });
}

} // namespace qv
