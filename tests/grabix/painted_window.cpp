// SPDX-License-Identifier: GPL-3.0-or-later

#include "painted_window.h"

#include <X11/Xlib.h>

PaintedWindow::PaintedWindow(int left, int top, int width, int height)
    : width_(width), height_(height)
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = 0;
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), left, top,
                            static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                            CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWBackPixel, &attributes);
    XSelectInput(display_, window_, StructureNotifyMask);
    XMapRaised(display_, window_);
    XEvent event;
    do {
        XNextEvent(display_, &event);
    } while (event.type != MapNotify);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
}

PaintedWindow::~PaintedWindow()
{
    if (!display_)
        return;
    XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
}

void PaintedWindow::fill(unsigned long rgb)
{
    XSetForeground(display_, gc_, rgb);
    XFillRectangle(display_, window_, gc_, 0, 0, static_cast<unsigned>(width_),
                   static_cast<unsigned>(height_));
    XSync(display_, False);
}
