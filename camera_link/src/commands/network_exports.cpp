// SPDX-License-Identifier: LGPL-2.1-or-later

// 0x9999 exports about the camera's network: station/access-point parameters,
// Ethernet, and the update from a server URL.

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "frame9999_commands.h"
#include "frame9999_payloads.h"

#include <cstdio>

namespace {

using qv::ExchangeOutcome;
using qv::Frame9999Request;
using qv::ReplyCheck;

constexpr uint16_t kNetworkParamsCode = 0x1010;

const char *printable(const char *text) { return text ? text : ""; }

// Diagnostics end up in terminals, logs and bug reports: the password is
// never printed, only whether there is one.
const char *maskedPassword(const char *password)
{
    return password && *password ? "********" : "";
}

int sendNetworkParams(const char *ip, int mode, const char *ssid, const char *password,
                      const char *staticIp)
{
    auto payload = qv::networkParamsPayload(mode, ssid, password, staticIp);
    if (!payload)
        return 0;
    if (staticIp)
        std::printf("ssid %s, pass %s, static ip:%s\n", printable(ssid), maskedPassword(password),
                    staticIp);
    else
        std::printf("ssid %s, pass %s\n", printable(ssid), maskedPassword(password));
    Frame9999Request request;
    request.code = kNetworkParamsCode;
    request.a2 = static_cast<uint32_t>(payload->size());
    request.payload = std::move(*payload);
    request.check = ReplyCheck::Code;
    return qv::runFrame9999(ip, request) == ExchangeOutcome::Accepted ? 1 : 0;
}

} // namespace

extern "C" {

QV_API int QV_SendApParams(const char *ip, int mode, const char *ssid, const char *password)
{
    return qv::guarded(0, [&] { return sendNetworkParams(ip, mode, ssid, password, nullptr); });
}

QV_API int QV_SendApParamsWithIp(const char *ip, int mode, const char *ssid,
                                 const char *password, const char *staticIp)
{
    return qv::guarded(0, [&] {
        return sendNetworkParams(ip, mode, ssid, password, staticIp ? staticIp : "");
    });
}

QV_API int QV_SendClearApParams(const char *ip)
{
    return qv::guarded(0, [&] { return qv::setByCode(ip, 0x1011, 0, 0, ReplyCheck::Code); });
}

QV_API int QV_SendSetEthernet(const char *ip)
{
    return qv::guarded(0, [&] { return qv::setByCode(ip, 0x1012, 0, 0, ReplyCheck::Code); });
}

QV_API int QV_SendK21Update(const char *ip, uint32_t server, uint16_t port, const char *path)
{
    return qv::guarded(0, [&] {
        const auto url = qv::updateUrl(server, path);
        if (!url)
            return 0;
        std::printf("ip %s, port %d, URL:%s\n", qv::dottedAddress(server).c_str(), port,
                    url->c_str());
        Frame9999Request request;
        request.code = 0x1051;
        request.payload = qv::updatePayload(server, port, *url);
        request.a2 = static_cast<uint32_t>(request.payload.size());
        request.check = ReplyCheck::Code;
        request.plan = {3, 0, 2000, false};
        return qv::runFrame9999(ip, request) == ExchangeOutcome::Accepted ? 1 : 0;
    });
}

} // extern "C"
