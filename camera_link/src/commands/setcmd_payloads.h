// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_SETCMD_PAYLOADS_H
#define QV_SETCMD_PAYLOADS_H

// Payload layouts of the SETCMD commands: request payloads the library sends
// and the reply payloads it reads. Pure functions over byte ranges.
//
// Thread rules: callable from any thread; nothing is kept between calls.

#include "qv_camera.h"
#include "wire_bytes.h"

#include <optional>

namespace qv {

// Set-resolution: width and height as 16-bit words, then the frame rate 30.
Bytes resolutionRequestPayload(int width, int height);

// Set-camera-params: six signed 32-bit words in argument order.
Bytes cameraParamsRequestPayload(const int (&values)[6]);

// The resolution list reply: a count byte, then five-byte entries (width,
// height, frame rate). Entries of width 0 are skipped but keep their slot.
// The reply is looked at through a 256-byte window and at most 32 entries are
// taken, whatever the count says. A count of 0 gives nullopt.
constexpr size_t kResolutionWindowBytes = 256;
std::optional<ResolutionList> parseResolutionPayload(const uint8_t *payload, size_t length);

// Six records of five words r0..r4 remapped into the table as
// w0=r4, w1=r0, w2=r1, w3=r3, w4=r2, count set to 6. False (table untouched)
// when fewer than the six records arrived.
constexpr size_t kCameraParamsPayloadBytes = 6 * 5 * 4;
bool parseCameraParamsPayload(const uint8_t *payload, size_t length, CameraParamTable *table);

// Key polling reply: key code in payload byte 0, the camera's event counter
// in payload byte 3.
struct KeyReport {
    uint8_t key = 0;
    uint8_t counter = 0;
};
std::optional<KeyReport> parseKeyStatusPayload(const uint8_t *payload, size_t length);

} // namespace qv

#endif
