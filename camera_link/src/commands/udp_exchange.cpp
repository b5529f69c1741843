// SPDX-License-Identifier: LGPL-2.1-or-later

#include "udp_exchange.h"

#include "transport/udp_link.h"

#include <chrono>
#include <thread>

namespace qv {

namespace {

void pause(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

ExchangeOutcome runExchange(const char *ip, const Bytes &request, const ExchangePlan &plan,
                            uint8_t *buffer, int capacity, const ReplyHandler &handler)
{
    UdpLink *link = openUdpLink(ip, kCommandPort, plan.timeoutMs);
    if (!link)
        return ExchangeOutcome::LinkFailed;
    if (plan.broadcast)
        linkEnableBroadcast(link);

    ExchangeOutcome outcome = ExchangeOutcome::NoReply;
    for (int attempt = 0; attempt < plan.tries; ++attempt) {
        if (linkSend(link, request.data(), static_cast<int>(request.size())) <= 0)
            continue; // nothing went out: the next try follows at once
        const int received = linkReceive(link, buffer, capacity);
        if (received > 0) {
            const ReplyVerdict verdict =
                handler(buffer, static_cast<size_t>(received), *link);
            if (verdict == ReplyVerdict::Accept) {
                outcome = ExchangeOutcome::Accepted;
                break;
            }
            if (verdict == ReplyVerdict::Stop) {
                outcome = ExchangeOutcome::Stopped;
                break;
            }
        }
        pause(plan.pauseMs);
    }
    closeUdpLink(link);
    return outcome;
}

} // namespace qv
