// SPDX-License-Identifier: LGPL-2.1-or-later

// 0x9999 exports about the device itself: version (and discovery), battery,
// channel, device type and the generic set/get by code.

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "frame9999_commands.h"
#include "frame9999_payloads.h"
#include "transport/udp_link.h"

#include <cstring>

namespace {

using qv::ExchangeOutcome;
using qv::Frame9999Reply;
using qv::Frame9999Request;
using qv::ReplyCheck;
using qv::ReplyVerdict;

constexpr uint16_t kVersionCode = 0x1002;
constexpr uint16_t kBatteryCode = 0x1017;

std::optional<Frame9999Reply> readBattery(const char *ip)
{
    Frame9999Request request;
    request.code = kBatteryCode;
    request.plan = {1, 0, 300, false};
    Frame9999Reply reply;
    if (qv::runFrame9999(ip, request, {}, &reply) != ExchangeOutcome::Accepted)
        return std::nullopt;
    return reply;
}

} // namespace

extern "C" {

QV_API int QV_SendGetVersion(const char *ip)
{
    return qv::guarded(0, [&] {
        return qv::getByCode(ip, kVersionCode, ReplyCheck::Code).value_or(0);
    });
}

QV_API int QV_SendGetVersionWithIp(const char *ip, char *ipOut)
{
    return qv::guarded(0, [&] {
        Frame9999Request request;
        request.code = kVersionCode;
        request.check = ReplyCheck::Code;
        request.plan = qv::discoveryPlan(ip);
        int version = 0;
        qv::runFrame9999(ip, request, [&](const Frame9999Reply &reply, const UdpLink &link) {
            // The link's peer is now whoever answered: that is the camera.
            if (ipOut) {
                const std::string sender = qv::dottedAddress(link.peer.sin_addr.s_addr);
                std::memcpy(ipOut, sender.c_str(), sender.size() + 1);
            }
            version = reply.value;
            return ReplyVerdict::Accept;
        });
        return version;
    });
}

QV_API int QV_SendGetBattery(const char *ip)
{
    return qv::guarded(-1, [&] {
        const auto reply = readBattery(ip);
        return reply ? reply->value : -1;
    });
}

QV_API int QV_SendGetBattery2(const char *ip, int *level, int *charge)
{
    return qv::guarded(-1, [&] {
        if (!level || !charge)
            return -1;
        const auto reply = readBattery(ip);
        if (!reply)
            return -1;
        const qv::BatteryReading reading = qv::decodeBattery(*reply);
        *level = reading.level;
        *charge = reading.charge;
        return 1;
    });
}

QV_API int QV_SendSetChannel(const char *ip, int channel)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, 0x1014, static_cast<uint32_t>(channel), 0,
                             ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendGetDeviceType(const char *ip)
{
    return qv::guarded(-1, [&] {
        return qv::getByCode(ip, 0x1020, ReplyCheck::MagicAndCode).value_or(-1);
    });
}

QV_API int QV_SendSetDeviceType(const char *ip, int type)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, 0x1021, static_cast<uint32_t>(type), 0,
                             ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendSetDeviceValue(const char *ip, int code, int value)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, static_cast<uint16_t>(code), static_cast<uint32_t>(value), 0,
                             ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendGetDeviceValue(const char *ip, int code)
{
    return qv::guarded(-1, [&] {
        return qv::getByCode(ip, static_cast<uint16_t>(code), ReplyCheck::MagicAndCode)
            .value_or(-1);
    });
}

} // extern "C"
