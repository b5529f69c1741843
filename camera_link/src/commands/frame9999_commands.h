// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME9999_COMMANDS_H
#define QV_FRAME9999_COMMANDS_H

// The two shapes most 0x9999 exports share: a set that succeeds on a matching
// reply, and a get that returns the reply's word at 8.
//
// Thread rules: as the command exports (one thread at a time).

#include "frame9999_exchange.h"

#include <optional>

namespace qv {

// 1 on a matching reply, else 0.
int setByCode(const char *ip, uint16_t code, uint32_t a1, uint32_t a2, ReplyCheck check,
              int tries = 3);

// The word at 8 of a matching reply.
std::optional<int32_t> getByCode(const char *ip, uint16_t code, ReplyCheck check,
                                 int tries = 3, uint32_t a1 = 0);

// Discovery: three tries of 500 ms with broadcast allowed, except for a text
// that is no address at all. Such a text aims at 255.255.255.255; with
// broadcast off it fails at the send instead of calling out to the whole
// local network.
ExchangePlan discoveryPlan(const char *ip);

} // namespace qv

#endif
