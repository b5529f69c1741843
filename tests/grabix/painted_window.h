// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_TEST_PAINTED_WINDOW_H
#define GRABIX_TEST_PAINTED_WINDOW_H

// A borderless window on $DISPLAY filled with one colour, which the test
// changes while a recording runs. Without a window manager or compositor
// the colour lands in the screen's pixels at once.

// Xlib's macros (None, Bool, Status) clash with GoogleTest: keep it out of
// the tests' includes.
struct _XDisplay;
struct _XGC;

class PaintedWindow {
public:
    PaintedWindow(int left, int top, int width, int height);
    ~PaintedWindow();
    PaintedWindow(const PaintedWindow &) = delete;
    PaintedWindow &operator=(const PaintedWindow &) = delete;

    bool shown() const { return display_ != nullptr; }
    // rgb as 0xRRGGBB; returns once the server has drawn it.
    void fill(unsigned long rgb);

private:
    _XDisplay *display_ = nullptr;
    unsigned long window_ = 0;
    _XGC *gc_ = nullptr;
    int width_;
    int height_;
};

#endif
