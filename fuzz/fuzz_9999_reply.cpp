// SPDX-License-Identifier: GPL-3.0-or-later

// Replies of the 0x9999 family as they arrive from the network, through the
// header parser and every decoding the commands apply.

#include "commands/frame9999.h"
#include "commands/frame9999_payloads.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The sensor command has the largest receive buffer.
    if (size > static_cast<size_t>(qv::kImuReceiveBytes))
        return 0;
    // Copy into an exact-size heap block so any read past the datagram shows.
    const std::vector<uint8_t> datagram(data, data + size);
    const auto reply = qv::parseFrame9999Reply(datagram.data(), datagram.size());
    if (!reply)
        return 0;
    qv::decodeBattery(*reply);
    // The caller's sensor buffer is 1499 bytes.
    std::vector<uint8_t> out(1499);
    if (const auto length = qv::imuCopyLength(*reply))
        std::memcpy(out.data(), reply->payload, *length);
    if (reply->payloadBytes >= 20) {
        int five[5];
        std::memcpy(five, reply->payload, sizeof five);
    }
    return 0;
}
