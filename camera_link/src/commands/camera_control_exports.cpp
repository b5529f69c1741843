// SPDX-License-Identifier: LGPL-2.1-or-later

// 0x9999 exports that steer the camera head: focus, exposure, single picture
// parameters, the motion sensor, and the LED and fan of the PXRD models.

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "frame9999_commands.h"
#include "frame9999_payloads.h"

#include <cstring>

namespace {

using qv::Frame9999Reply;
using qv::Frame9999Request;
using qv::ReplyCheck;
using qv::ReplyVerdict;

constexpr uint16_t kPxrdCode = 0x1066;

} // namespace

extern "C" {

QV_API int QV_SendSetAutoFocus(const char *ip, int mode)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, 0x24, static_cast<uint32_t>(mode), 0, ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendSetCameraValue(const char *ip, int id, int value)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, 0x2E, static_cast<uint32_t>(id), static_cast<uint32_t>(value),
                             ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendGetCameraValue(const char *ip, int id)
{
    return qv::guarded(-1, [&] {
        return qv::getByCode(ip, 0x2D, ReplyCheck::MagicAndCode, 3, static_cast<uint32_t>(id))
            .value_or(-1);
    });
}

QV_API int QV_SendQueryCameraValue(const char *ip, int id, int *out)
{
    return qv::guarded(0, [&] {
        if (!out)
            return 0;
        Frame9999Request request;
        request.code = 0x2F;
        request.a1 = static_cast<uint32_t>(id);
        int value = 0;
        qv::runFrame9999(ip, request, [&](const Frame9999Reply &reply, const UdpLink &) {
            // The five description words follow the header; a reply without
            // them is not an answer to this question.
            if (reply.payloadBytes < 20)
                return ReplyVerdict::Retry;
            for (int i = 0; i < 5; ++i)
                out[i] = qv::readLe32Signed(reply.payload + 4 * i);
            value = reply.value;
            return ReplyVerdict::Accept;
        });
        return value;
    });
}

QV_API int QV_SendGetIMUData(const char *ip, void *out)
{
    return qv::guarded(-1, [&] {
        if (!out)
            return -1;
        Frame9999Request request;
        request.code = 0x1065;
        request.receiveCapacity = qv::kImuReceiveBytes;
        int copied = -1;
        qv::runFrame9999(ip, request, [&](const Frame9999Reply &reply, const UdpLink &) {
            const auto length = qv::imuCopyLength(reply);
            if (!length)
                return ReplyVerdict::Retry;
            std::memcpy(out, reply.payload, *length);
            copied = static_cast<int>(*length);
            return ReplyVerdict::Accept;
        });
        return copied;
    });
}

QV_API int QV_SendSetPXRDLed(const char *ip, unsigned on)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, kPxrdCode, 0x1A00u + (on & 1u), 0, ReplyCheck::MagicAndCode);
    });
}

QV_API int QV_SendSetPXRDFan(const char *ip, unsigned on)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, kPxrdCode, 0x1B00u + (on & 1u), 0, ReplyCheck::MagicAndCode);
    });
}

} // extern "C"

// Deliberately outside extern "C": callers bind this one by its decorated
// name for int(char*, int).
QV_API int QV_SendSetAutoExposure(char *ip, int value)
{
    return qv::guarded(0, [&] {
        return qv::setByCode(ip, 0x27, static_cast<uint32_t>(value), 0, ReplyCheck::MagicAndCode);
    });
}
