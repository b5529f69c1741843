// SPDX-License-Identifier: LGPL-2.1-or-later

#include "setcmd_payloads.h"

#include <algorithm>
#include <cstring>

namespace qv {

Bytes resolutionRequestPayload(int width, int height)
{
    Bytes out(5, 0);
    putLe16(&out[0], static_cast<uint32_t>(width));
    putLe16(&out[2], static_cast<uint32_t>(height));
    out[4] = 30;
    return out;
}

Bytes cameraParamsRequestPayload(const int (&values)[6])
{
    Bytes out(24, 0);
    for (int i = 0; i < 6; ++i)
        putLe32(&out[4 * i], static_cast<uint32_t>(values[i]));
    return out;
}

std::optional<ResolutionList> parseResolutionPayload(const uint8_t *payload, size_t length)
{
    uint8_t window[kResolutionWindowBytes] = {};
    if (payload)
        std::memcpy(window, payload, std::min(length, kResolutionWindowBytes));
    const int count = window[0];
    if (count == 0)
        return std::nullopt;

    ResolutionList list;
    std::memset(&list, 0, sizeof list);
    const int entries = std::min(count, QV_RESOLUTION_SLOTS);
    int stored = 0;
    for (int i = 0; i < entries; ++i) {
        const uint8_t *entry = window + 1 + 5 * i;
        const int width = readLe16(entry);
        if (width == 0)
            continue;
        list.entries[i].width = width;
        list.entries[i].height = readLe16(entry + 2);
        list.entries[i].fps = entry[4];
        ++stored;
    }
    list.count = static_cast<uint8_t>(stored);
    return list;
}

bool parseCameraParamsPayload(const uint8_t *payload, size_t length, CameraParamTable *table)
{
    if (!payload || !table || length < kCameraParamsPayloadBytes)
        return false;
    for (int k = 0; k < 6; ++k) {
        const uint8_t *record = payload + 20 * k;
        int32_t r[5];
        for (int j = 0; j < 5; ++j)
            r[j] = readLe32Signed(record + 4 * j);
        int32_t *w = table->entries[k].w;
        w[0] = r[4];
        w[1] = r[0];
        w[2] = r[1];
        w[3] = r[3];
        w[4] = r[2];
    }
    table->count = 6;
    return true;
}

std::optional<KeyReport> parseKeyStatusPayload(const uint8_t *payload, size_t length)
{
    if (!payload || length < 4)
        return std::nullopt;
    return KeyReport{payload[0], payload[3]};
}

} // namespace qv
