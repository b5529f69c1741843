// SPDX-License-Identifier: GPL-3.0-or-later

// Replies of the SETCMD family as they arrive from the network, through
// every parser the commands apply to them.

#include "commands/setcmd_frame.h"
#include "commands/setcmd_payloads.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The commands receive into a 1024-byte buffer; larger datagrams fail.
    if (size > 1024)
        return 0;
    const auto reply = qv::parseSetCmdReply(data, size);
    if (!reply)
        return 0;
    if (auto list = qv::parseResolutionPayload(reply->payload, reply->payloadBytes)) {
        int stored = 0;
        for (const ResolutionEntry &e : list->entries)
            stored += e.width != 0;
        if (stored != list->count)
            __builtin_trap();
    }
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    qv::parseCameraParamsPayload(reply->payload, reply->payloadBytes, &table);
    qv::parseKeyStatusPayload(reply->payload, reply->payloadBytes);
    return 0;
}
