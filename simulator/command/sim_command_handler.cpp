// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_command_handler.h"

#include <algorithm>

namespace camsim {

namespace {

std::string payloadText(const SimRequest &r) { return std::string(r.payload.begin(), r.payload.end()); }

void appendParam(Bytes &out, const PictureParam &p)
{
    appendLe32(out, static_cast<uint32_t>(p.minimum));
    appendLe32(out, static_cast<uint32_t>(p.maximum));
    appendLe32(out, static_cast<uint32_t>(p.step));
    appendLe32(out, static_cast<uint32_t>(p.defaultValue));
    appendLe32(out, static_cast<uint32_t>(p.value));
}

int32_t signedWord(uint32_t w) { return static_cast<int32_t>(w); }

} // namespace

std::optional<Bytes> SimCommandHandler::answer(const SimRequest &request,
                                               const Options &options) const
{
    switch (request.family) {
    case Family::SetCmd:
        return answerSetCmd(request, options);
    case Family::Frame9999:
        return answerFrame9999(request);
    case Family::Unknown:
        break;
    }
    return std::nullopt;
}

Bytes SimCommandHandler::resolutionListPayload(bool zeroCount) const
{
    Bytes out{0};
    if (zeroCount)
        return out;
    const std::vector<Resolution> list = state_.resolutions();
    out[0] = static_cast<uint8_t>(list.size());
    for (const Resolution &r : list) {
        appendLe16(out, static_cast<uint32_t>(r.width));
        appendLe16(out, static_cast<uint32_t>(r.height));
        out.push_back(static_cast<uint8_t>(r.fps));
    }
    return out;
}

Bytes SimCommandHandler::pictureParamsPayload() const
{
    Bytes out;
    for (const PictureParam &p : state_.settings().pictureParams)
        appendParam(out, p);
    return out;
}

Bytes SimCommandHandler::answerSetCmd(const SimRequest &r, const Options &options) const
{
    Bytes payload;
    uint8_t status = 0;
    switch (r.code) {
    case 1:
        state_.editSettings([&](DeviceSettings &s) { s.wifiSsid = payloadText(r); });
        break;
    case 2:
        state_.editSettings([&](DeviceSettings &s) { s.wifiPassword = payloadText(r); });
        break;
    case 3:
        state_.editSettings([](DeviceSettings &s) { s.wifiPassword.clear(); });
        break;
    case 4:
        state_.editSettings([](DeviceSettings &s) { ++s.rebootCount; });
        break;
    case 8:
        // Sizes the camera does not offer are refused in the status byte.
        status = 1;
        if (r.payload.size() >= 4 &&
            state_.selectResolution(le16At(&r.payload[0]), le16At(&r.payload[2])))
            status = 0;
        break;
    case 9:
        payload = resolutionListPayload(options.zeroResolutionCount);
        break;
    case 0x90: {
        const DeviceSettings s = state_.settings();
        payload = {s.keyCode, 0, 0, s.keyCounter};
        break;
    }
    case 0x2A:
        payload = pictureParamsPayload();
        break;
    case 0x2B:
        if (r.payload.size() >= 24)
            state_.editSettings([&](DeviceSettings &s) {
                for (size_t i = 0; i < 6; ++i)
                    s.pictureParams[i].value = signedWord(le32At(&r.payload[4 * i]));
            });
        else
            status = 1;
        break;
    case 0x2C:
        state_.editSettings([](DeviceSettings &s) {
            for (PictureParam &p : s.pictureParams)
                p.value = p.defaultValue;
        });
        break;
    default:
        status = 1;
        break;
    }
    return buildRetCmdReply(r.seq, r.code, payload, status);
}

Bytes SimCommandHandler::answerFrame9999(const SimRequest &r) const
{
    Frame9999Fields reply;
    reply.code = r.code;
    reply.seq = r.seq;
    Bytes payload;
    // One edit under the state's lock, so concurrent changes are not lost.
    state_.editSettings([&](DeviceSettings &s) {
        switch (r.code) {
        case 0x1002:
            reply.value = static_cast<uint32_t>(s.version);
            break;
        case 0x1017:
            reply.value = static_cast<uint32_t>(s.batteryLevel);
            reply.word16 = (static_cast<uint32_t>(s.batteryCharge) & 0xFFFFu) |
                           (s.chargeReported ? 0x10000u : 0u);
            break;
        case 0x1014:
            s.channel = signedWord(r.a1);
            break;
        case 0x1020:
            reply.value = static_cast<uint32_t>(s.deviceType);
            break;
        case 0x1021:
            s.deviceType = signedWord(r.a1);
            break;
        case 0x24:
            s.autofocus = signedWord(r.a1);
            break;
        case 0x27:
            s.autoExposure = signedWord(r.a1);
            break;
        case 0x2D:
        case 0x2E:
        case 0x2F:
            if (r.a1 < s.pictureParams.size()) {
                PictureParam &p = s.pictureParams[r.a1];
                if (r.code == 0x2E)
                    p.value = std::clamp(signedWord(r.a2), p.minimum, p.maximum);
                reply.value = static_cast<uint32_t>(p.value);
                if (r.code == 0x2F)
                    appendParam(payload, p);
            }
            break;
        case 0x1065:
            payload = s.imuRecord;
            reply.word12 = static_cast<uint32_t>(payload.size());
            break;
        case 0x1066:
            if ((r.a1 & ~1u) == 0x1A00)
                s.ledOn = r.a1 & 1;
            else if ((r.a1 & ~1u) == 0x1B00)
                s.fanOn = r.a1 & 1;
            break;
        case 0x1010:
            s.network.mode = r.payload.empty() ? 0 : r.payload[0];
            s.network.ssid = textField(r.payload, 1, 32);
            s.network.password = textField(r.payload, 33, 32);
            s.network.staticIp = textField(r.payload, 65, 32);
            break;
        case 0x1011:
            s.network = NetworkParams{};
            break;
        case 0x1012:
            s.ethernet = true;
            break;
        case 0x1051:
            if (r.payload.size() >= 6)
                s.updatePort = le16At(&r.payload[4]);
            s.updateUrl = textField(r.payload, 6, 128);
            break;
        default:
            // Generic values by code: a non-zero argument stores, the reply
            // always carries the value held.
            if (r.a1 != 0)
                s.deviceValues[r.code] = signedWord(r.a1);
            reply.value = static_cast<uint32_t>(s.deviceValues[r.code]);
            break;
        }
    });
    return buildFrame9999Reply(reply, payload);
}

} // namespace camsim
