// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_PIXEL_LAYOUT_H
#define GRABIX_PIXEL_LAYOUT_H

// Byte order of one pixel in a captured frame, as it lies in memory.

#include <optional>

namespace grabix {

enum class PixelLayout { Bgrx, Rgbx, Xrgb, Xbgr, Bgr, Rgb };

int bytesPerPixel(PixelLayout layout);

// The layout of an X image with these properties, or none when its pixels
// are not 8-bit red, green and blue fields (16-bit or palette screens).
// lsbFirst: the image's byte order is LSBFirst.
std::optional<PixelLayout> pixelLayoutOf(int bitsPerPixel, bool lsbFirst, unsigned long redMask,
                                         unsigned long greenMask, unsigned long blueMask);

} // namespace grabix

#endif
