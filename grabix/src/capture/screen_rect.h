// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_SCREEN_RECT_H
#define GRABIX_SCREEN_RECT_H

// A rectangle of the root window, in pixels.

namespace grabix {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const ScreenRect &o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
    bool operator!=(const ScreenRect &o) const { return !(*this == o); }
};

// The part of wanted that lies on a screen of the given size; empty when
// there is none. Safe for any int values (no overflow).
ScreenRect clipToScreen(const ScreenRect &wanted, int screenWidth, int screenHeight);

} // namespace grabix

#endif
