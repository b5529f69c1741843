// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_X_DISPLAY_H
#define GRABIX_X_DISPLAY_H

// One connection to the X server named by DISPLAY, watched by XErrorTrap,
// with the size of its default screen's root window.
//
// Thread rules: opened and closed by the recording's owner; between those,
// used by one thread at a time (the capture thread while it runs).

#include <X11/Xlib.h>

#include <memory>
#include <string>

namespace grabix {

class XDisplay {
public:
    // Null with the reason when there is no X server to capture from: no
    // DISPLAY (or only a Wayland session), no connection, or XWayland,
    // which cannot read what Wayland programs show.
    static std::unique_ptr<XDisplay> open(std::string &why);
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    Display *handle() const { return display_; }
    Window root() const { return root_; }
    int screenWidth() const { return width_; }
    int screenHeight() const { return height_; }
    const std::string &name() const { return name_; }

    // True once the connection has broken: Xlib saw it, or the server has
    // hung up its end of the socket. Checked before each request, the
    // second catches a server that went away between two frames without
    // sending a request into Xlib's I/O error path, which is fragile (it
    // unlocks the connection twice, and afterwards only the thread that met
    // the error can close the connection).
    bool lost() const;

private:
    XDisplay(Display *display, std::string name);

    Display *display_;
    std::string name_;
    Window root_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace grabix

#endif
