// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_FRAME_H
#define GRABIX_FRAME_H

// One captured picture: rows of pixels without gaps, top row first.

#include "capture/pixel_layout.h"

#include <cstdint>
#include <vector>

namespace grabix {

struct Frame {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    int stride = 0; // bytes per row
    PixelLayout layout = PixelLayout::Bgrx;
};

} // namespace grabix

#endif
