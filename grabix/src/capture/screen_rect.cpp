// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/screen_rect.h"

#include <algorithm>
#include <cstdint>

namespace grabix {

ScreenRect clipToScreen(const ScreenRect &wanted, int screenWidth, int screenHeight)
{
    if (wanted.empty() || screenWidth <= 0 || screenHeight <= 0)
        return {};
    // 64-bit edges: left + width may not fit an int.
    const std::int64_t x0 = std::max<std::int64_t>(wanted.left, 0);
    const std::int64_t y0 = std::max<std::int64_t>(wanted.top, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(wanted.left) + wanted.width, screenWidth);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(wanted.top) + wanted.height, screenHeight);
    if (x1 <= x0 || y1 <= y0)
        return {};
    return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
            static_cast<int>(y1 - y0)};
}

} // namespace grabix
