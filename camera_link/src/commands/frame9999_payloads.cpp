// SPDX-License-Identifier: LGPL-2.1-or-later

#include "frame9999_payloads.h"

#include "transport/socket_layer.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

bool putTextField(Bytes &out, size_t offset, const char *text)
{
    const size_t length = text ? std::strlen(text) : 0;
    if (length > kTextFieldBytes)
        return false;
    if (length)
        std::memcpy(&out[offset], text, length);
    return true;
}

} // namespace

std::optional<Bytes> networkParamsPayload(int mode, const char *ssid, const char *password,
                                          const char *staticIp)
{
    Bytes out(staticIp ? kNetworkPayloadWithIpBytes : kNetworkPayloadBytes, 0);
    out[0] = static_cast<uint8_t>(mode);
    if (!putTextField(out, 1, ssid) || !putTextField(out, 33, password))
        return std::nullopt;
    if (staticIp && !putTextField(out, 65, staticIp))
        return std::nullopt;
    return out;
}

std::string dottedAddress(uint32_t addressNetworkOrder)
{
    in_addr a{};
    a.s_addr = addressNetworkOrder;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a, text, sizeof text);
    return text;
}

std::optional<std::string> updateUrl(uint32_t serverNetworkOrder, const char *path)
{
    std::string url = "url://" + dottedAddress(serverNetworkOrder) + "/" + (path ? path : "");
    if (url.size() + 1 > kUpdateUrlBytes)
        return std::nullopt;
    return url;
}

Bytes updatePayload(uint32_t serverNetworkOrder, uint16_t port, const std::string &url)
{
    Bytes out(kUpdatePayloadBytes, 0);
    std::memcpy(&out[0], &serverNetworkOrder, 4);
    putLe16(&out[4], port);
    std::memcpy(&out[6], url.data(), std::min(url.size(), kUpdateUrlBytes - 1));
    return out;
}

BatteryReading decodeBattery(const Frame9999Reply &reply)
{
    BatteryReading r;
    r.level = reply.value;
    r.charge = (reply.word16 & 0x10000u) ? static_cast<int>(reply.word16 & 0xFFFFu) : -1;
    return r;
}

std::optional<size_t> imuCopyLength(const Frame9999Reply &reply)
{
    if (reply.word12 <= 0 || reply.word12 >= kImuReceiveBytes)
        return std::nullopt;
    const size_t n = std::min(static_cast<size_t>(reply.word12), reply.payloadBytes);
    if (n == 0)
        return std::nullopt;
    return n;
}

} // namespace qv
