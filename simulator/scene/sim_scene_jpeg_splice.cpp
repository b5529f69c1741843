// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_jpeg_splice.h"

#include <algorithm>

namespace camsim {

namespace {

uint32_t be16(const std::vector<uint8_t> &d, size_t at)
{
    return (static_cast<uint32_t>(d[at]) << 8) | d[at + 1];
}

} // namespace

bool parseJpegLayout(const std::vector<uint8_t> &jpeg, JpegLayout &layout)
{
    layout = JpegLayout();
    const size_t n = jpeg.size();
    if (n < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return false;
    size_t at = 2;
    bool baseline = false;
    while (true) {
        if (at + 4 > n || jpeg[at] != 0xFF)
            return false;
        const uint8_t marker = jpeg[at + 1];
        const size_t length = be16(jpeg, at + 2);
        if (length < 2 || at + 2 + length > n)
            return false;
        const size_t body = at + 4;
        if (marker == 0xC0) {
            if (length < 8)
                return false;
            layout.height = static_cast<int>(be16(jpeg, body + 1));
            layout.width = static_cast<int>(be16(jpeg, body + 3));
            const int components = jpeg[body + 5];
            if (length < static_cast<size_t>(8 + 3 * components))
                return false;
            int maxV = 1;
            for (int c = 0; c < components; ++c)
                maxV = std::max(maxV, jpeg[body + 6 + 3 * c + 1] & 0x0F);
            layout.mcuHeight = 8 * maxV;
            baseline = true;
        } else if (marker == 0xDD) {
            if (length != 4)
                return false;
            layout.restartInterval = static_cast<int>(be16(jpeg, body));
        } else if (marker == 0xDA) {
            layout.scanStart = at + 2 + length;
            break;
        } else if ((marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                    marker != 0xCC)) {
            return false; // progressive, lossless or arithmetic coding
        }
        at += 2 + length;
    }
    if (!baseline || layout.restartInterval == 0)
        return false;

    size_t begin = layout.scanStart;
    for (size_t i = begin; i + 1 < n; ++i) {
        if (jpeg[i] != 0xFF)
            continue;
        const uint8_t m = jpeg[i + 1];
        if (m == 0x00 || m == 0xFF)
            continue;
        if (m >= 0xD0 && m <= 0xD7) {
            layout.segments.emplace_back(begin, i);
            begin = i + 2;
            ++i;
            continue;
        }
        if (m == 0xD9) {
            layout.segments.emplace_back(begin, i);
            return true;
        }
        return false; // a second scan or a stray marker
    }
    return false;
}

std::vector<uint8_t> spliceTopSegments(const std::vector<uint8_t> &picture,
                                       const std::vector<uint8_t> &strip, size_t segments)
{
    JpegLayout big, small;
    if (!parseJpegLayout(picture, big) || !parseJpegLayout(strip, small))
        return {};
    if (big.width != small.width || big.restartInterval != small.restartInterval ||
        big.mcuHeight != small.mcuHeight || small.segments.size() < segments ||
        big.segments.size() <= segments)
        return {};

    std::vector<uint8_t> out;
    out.reserve(picture.size() + strip.size());
    out.insert(out.end(), picture.begin(), picture.begin() + static_cast<long>(big.scanStart));
    for (size_t i = 0; i < big.segments.size(); ++i) {
        if (i > 0) {
            out.push_back(0xFF);
            out.push_back(static_cast<uint8_t>(0xD0 + (i - 1) % 8));
        }
        const std::vector<uint8_t> &from = i < segments ? strip : picture;
        const auto &range = i < segments ? small.segments[i] : big.segments[i];
        out.insert(out.end(), from.begin() + static_cast<long>(range.first),
                   from.begin() + static_cast<long>(range.second));
    }
    out.push_back(0xFF);
    out.push_back(0xD9);
    return out;
}

} // namespace camsim
