// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_FRAME9999_PAYLOADS_H
#define QV_FRAME9999_PAYLOADS_H

// Payloads of the 0x9999 commands that carry one, and the decoding of the
// replies that carry more than one result word. Pure functions.
//
// Thread rules: callable from any thread; nothing is kept between calls.

#include "frame9999.h"

#include <optional>
#include <string>

namespace qv {

constexpr size_t kTextFieldBytes = 32;
constexpr size_t kNetworkPayloadBytes = 65;
constexpr size_t kNetworkPayloadWithIpBytes = 97;
constexpr size_t kUpdatePayloadBytes = 134;
constexpr size_t kUpdateUrlBytes = 128;

// Mode byte, SSID and password in 32-byte NUL-padded fields (and the static
// address in a third one when staticIp is given). A text longer than its
// field gives nullopt: cutting a network name or password short would send
// the camera to the wrong network while reporting success. Null texts count
// as empty.
std::optional<Bytes> networkParamsPayload(int mode, const char *ssid, const char *password,
                                          const char *staticIp);

// The update URL "url://<server dotted>/<path>", or nullopt when it does not
// fit its 128-byte field with the terminator.
std::optional<std::string> updateUrl(uint32_t serverNetworkOrder, const char *path);
std::string dottedAddress(uint32_t addressNetworkOrder);

// Server address as passed, port, URL text in 128 NUL-padded bytes.
Bytes updatePayload(uint32_t serverNetworkOrder, uint16_t port, const std::string &url);

// Battery reply: level in the word at 8; charge is the low half of the word
// at 16 when its bit 16 says it is present, else -1.
struct BatteryReading {
    int level = 0;
    int charge = -1;
};
BatteryReading decodeBattery(const Frame9999Reply &reply);

// Sensor reply: how many payload bytes to hand out. The length word must be
// within 1..1499, and no more is handed out than actually arrived; nullopt
// when nothing usable is left.
constexpr int kImuReceiveBytes = 1500;
std::optional<size_t> imuCopyLength(const Frame9999Reply &reply);

} // namespace qv

#endif
