// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/pixel_layout.h"

namespace grabix {

int bytesPerPixel(PixelLayout layout)
{
    return layout == PixelLayout::Bgr || layout == PixelLayout::Rgb ? 3 : 4;
}

std::optional<PixelLayout> pixelLayoutOf(int bitsPerPixel, bool lsbFirst, unsigned long redMask,
                                         unsigned long greenMask, unsigned long blueMask)
{
    if (greenMask != 0xff00)
        return std::nullopt;
    // Red in the high byte of the pixel value ("xRGB" as a number).
    const bool redHigh = redMask == 0xff0000 && blueMask == 0xff;
    const bool redLow = redMask == 0xff && blueMask == 0xff0000;
    if (!redHigh && !redLow)
        return std::nullopt;
    if (bitsPerPixel == 32) {
        if (lsbFirst)
            return redHigh ? PixelLayout::Bgrx : PixelLayout::Rgbx;
        return redHigh ? PixelLayout::Xrgb : PixelLayout::Xbgr;
    }
    if (bitsPerPixel == 24) {
        if (lsbFirst)
            return redHigh ? PixelLayout::Bgr : PixelLayout::Rgb;
        return redHigh ? PixelLayout::Rgb : PixelLayout::Bgr;
    }
    return std::nullopt;
}

} // namespace grabix
