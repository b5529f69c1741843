// SPDX-License-Identifier: GPL-3.0-or-later

#include "busy_screen.h"

#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

namespace {

std::uint32_t hash(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    return v ^ (v >> 16);
}

// Lines of 7x12-pixel character cells; each cell shows a 5x7 glyph made of
// the bits of its hash, a few cells stay blank as spaces between words.
bool inkAt(int x, int y)
{
    const int cx = x / 7, cy = y / 12, gx = x % 7, gy = y % 12 - 3;
    if (gx >= 5 || gy < 0 || gy >= 7)
        return false;
    const std::uint32_t h = hash(std::uint32_t(cy * 4096 + cx));
    if (h % 6 == 0)
        return false;
    const std::uint32_t g = hash(h);
    return (g >> (gy * 5 + gx) % 32) & 1;
}

std::uint32_t pixelAt(int x, int y)
{
    const bool panel = (x / 480 + y / 262) % 3 == 0;
    const bool text = !panel && (x % 480) > 40 && (x % 480) < 440;
    if (text)
        return inkAt(x, y) ? 0x202020 : 0xf4f4f4;
    if (panel)
        return 0xededed;
    const std::uint32_t r = static_cast<std::uint32_t>(x * 255 / 1920) & 0xff;
    const std::uint32_t b = static_cast<std::uint32_t>(y * 255 / 1080) & 0xff;
    return r << 16 | 0x60u << 8 | b;
}

} // namespace

BusyScreen::BusyScreen(int width, int height)
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    const int screen = DefaultScreen(display_);
    const Window root = RootWindow(display_, screen);
    pixmap_ = XCreatePixmap(display_, root, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            static_cast<unsigned>(DefaultDepth(display_, screen)));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = pixelAt(x, y);
    XImage *image = XCreateImage(display_, DefaultVisual(display_, screen), 24, ZPixmap, 0,
                                 reinterpret_cast<char *>(pixels.data()), static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), 32, width * 4);
    GC gc = XCreateGC(display_, pixmap_, 0, nullptr);
    XPutImage(display_, pixmap_, gc, image, 0, 0, 0, 0, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
    XFreeGC(display_, gc);
    image->data = nullptr;
    XDestroyImage(image);

    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixmap = pixmap_;
    window_ = XCreateWindow(display_, root, 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                            CopyFromParent, CWOverrideRedirect | CWBackPixmap, &attributes);
    XMapRaised(display_, window_);
    XSync(display_, False);
}

BusyScreen::~BusyScreen()
{
    if (!display_)
        return;
    XDestroyWindow(display_, window_);
    XFreePixmap(display_, pixmap_);
    XCloseDisplay(display_);
}
