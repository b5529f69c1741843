// SPDX-License-Identifier: LGPL-2.1-or-later

// The SETCMD family of exports: Wi-Fi name and password, reboot, resolution,
// picture parameters and key polling.

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "key_counter_table.h"
#include "setcmd_exchange.h"
#include "setcmd_payloads.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using qv::ExchangeOutcome;
using qv::ExchangePlan;
using qv::ReplyVerdict;
using qv::SetCmdReply;
using qv::SetCmdRequest;

constexpr ExchangePlan kThreeTriesWithPause{3, 10, 300, false};
constexpr ExchangePlan kThreeTriesNoPause{3, 0, 300, false};

int succeeded(ExchangeOutcome outcome) { return outcome == ExchangeOutcome::Accepted ? 1 : 0; }

int simpleCommand(const char *ip, uint16_t code, qv::Bytes payload, const ExchangePlan &plan)
{
    SetCmdRequest request{code, std::move(payload), 0, plan};
    return succeeded(qv::runSetCmd(ip, request));
}

size_t textLength(const char *text) { return text ? std::strlen(text) : 0; }

} // namespace

extern "C" {

QV_API int QV_SendSetSSID(const char *ip, const char *ssid)
{
    return qv::guarded(0, [&] {
        const size_t length = textLength(ssid);
        if (length < 1 || length > 32)
            return 0;
        return simpleCommand(ip, 1, qv::Bytes(ssid, ssid + length), {4, 10, 300, false});
    });
}

QV_API int QV_SendSetPassword(const char *ip, const char *password)
{
    return qv::guarded(0, [&] {
        const size_t length = textLength(password);
        if (length < 8 || length > 32)
            return 0;
        return simpleCommand(ip, 2, qv::Bytes(password, password + length), kThreeTriesWithPause);
    });
}

QV_API int QV_SendClearPass(const char *ip)
{
    return qv::guarded(0, [&] { return simpleCommand(ip, 3, {}, kThreeTriesWithPause); });
}

QV_API int QV_SendReboot(const char *ip)
{
    return qv::guarded(0, [&] { return simpleCommand(ip, 4, {}, kThreeTriesWithPause); });
}

QV_API int QV_SendSetResolution(const char *ip, int width, int height)
{
    return qv::guarded(0, [&] {
        return simpleCommand(ip, 8, qv::resolutionRequestPayload(width, height),
                             kThreeTriesWithPause);
    });
}

QV_API ResolutionList *QV_SendGetResolution(const char *ip)
{
    return qv::guarded<ResolutionList *>(nullptr, [&]() -> ResolutionList * {
        ResolutionList list;
        SetCmdRequest request{9, {}, 0, kThreeTriesWithPause};
        const ExchangeOutcome outcome = qv::runSetCmd(ip, request, [&](const SetCmdReply &reply) {
            const auto parsed = qv::parseResolutionPayload(reply.payload, reply.payloadBytes);
            if (!parsed)
                return ReplyVerdict::Retry;
            list = *parsed;
            return ReplyVerdict::Accept;
        });
        if (outcome != ExchangeOutcome::Accepted)
            return nullptr;
        for (int i = 0; i < QV_RESOLUTION_SLOTS; ++i) {
            const ResolutionEntry &e = list.entries[i];
            if (e.width != 0)
                std::printf("%d width=%d height=%d fps=%d\n", i, e.width, e.height, e.fps);
        }
        // The caller owns the block and releases it with free().
        auto *block = static_cast<ResolutionList *>(std::malloc(sizeof(ResolutionList)));
        if (block)
            std::memcpy(block, &list, sizeof list);
        return block;
    });
}

QV_API int QV_SendGetKeyStatus(const char *ip)
{
    return qv::guarded(0, [&] {
        qv::KeyCounterTable &table = qv::keyCounterTable();
        table.initialiseOnce();
        const uint8_t camera = qv::keyTableIndex(ip);
        int key = 0;
        SetCmdRequest request{0x90, qv::Bytes(4, 0), 0, {1, 10, 200, false}};
        qv::runSetCmd(ip, request, [&](const SetCmdReply &reply) {
            const auto report = qv::parseKeyStatusPayload(reply.payload, reply.payloadBytes);
            if (!report)
                return ReplyVerdict::Retry;
            key = table.observe(camera, *report);
            if (key != 0)
                return ReplyVerdict::Accept;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return ReplyVerdict::Stop;
        });
        return key;
    });
}

QV_API int QV_SendResetCameraParams(const char *ip)
{
    return qv::guarded(0, [&] {
        return simpleCommand(ip, 0x2C, qv::Bytes(4, 0), {1, 0, 300, false});
    });
}

QV_API int QV_SendSetCameraParams(const char *ip, int v0, int v1, int v2, int v3, int v4,
                                  int v5)
{
    return qv::guarded(0, [&] {
        const int values[6] = {v0, v1, v2, v3, v4, v5};
        return simpleCommand(ip, 0x2B, qv::cameraParamsRequestPayload(values),
                             kThreeTriesNoPause);
    });
}

QV_API int QV_SendGetCameraParams(const char *ip, CameraParamTable *table)
{
    return qv::guarded(0, [&] {
        if (!table)
            return 0;
        // The length field says 0, yet the camera expects five more bytes.
        SetCmdRequest request{0x2A, {}, 5, kThreeTriesNoPause};
        return succeeded(qv::runSetCmd(ip, request, [&](const SetCmdReply &reply) {
            if (static_cast<int16_t>(reply.declaredLength) <= 0)
                return ReplyVerdict::Stop;
            return qv::parseCameraParamsPayload(reply.payload, reply.payloadBytes, table)
                       ? ReplyVerdict::Accept
                       : ReplyVerdict::Retry;
        }));
    });
}

} // extern "C"
