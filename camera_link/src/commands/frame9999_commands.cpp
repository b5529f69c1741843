// SPDX-License-Identifier: LGPL-2.1-or-later

#include "frame9999_commands.h"

#include "transport/socket_layer.h"

namespace qv {

int setByCode(const char *ip, uint16_t code, uint32_t a1, uint32_t a2, ReplyCheck check,
              int tries)
{
    Frame9999Request request;
    request.code = code;
    request.a1 = a1;
    request.a2 = a2;
    request.check = check;
    request.plan = {tries, 0, 300, false};
    return runFrame9999(ip, request) == ExchangeOutcome::Accepted ? 1 : 0;
}

std::optional<int32_t> getByCode(const char *ip, uint16_t code, ReplyCheck check, int tries,
                                 uint32_t a1)
{
    Frame9999Request request;
    request.code = code;
    request.a1 = a1;
    request.check = check;
    request.plan = {tries, 0, 300, false};
    Frame9999Reply reply;
    if (runFrame9999(ip, request, {}, &reply) != ExchangeOutcome::Accepted)
        return std::nullopt;
    return reply.value;
}

ExchangePlan discoveryPlan(const char *ip)
{
    in_addr parsed{};
    const bool isAddress = ip && inet_pton(AF_INET, ip, &parsed) == 1;
    return {3, 0, 500, isAddress};
}

} // namespace qv
