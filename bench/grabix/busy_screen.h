// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_GRABIX_BUSY_SCREEN_H
#define BENCH_GRABIX_BUSY_SCREEN_H

// A window over the recorded area showing something like a working
// desktop: smooth gradients, flat panels and lines of fine "text". JPEG
// time depends on the picture; an empty black screen would flatter it.

#include <X11/Xlib.h>

class BusyScreen {
public:
    BusyScreen(int width, int height);
    ~BusyScreen();
    BusyScreen(const BusyScreen &) = delete;
    BusyScreen &operator=(const BusyScreen &) = delete;

    bool shown() const { return display_ != nullptr; }

private:
    Display *display_ = nullptr;
    Window window_ = 0;
    Pixmap pixmap_ = 0;
};

#endif
