// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/x_display.h"

#include "capture/x_error_trap.h"

#include <cstdlib>
#include <poll.h>

namespace grabix {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool isXWayland(Display *display)
{
    int opcode, event, error;
    return XQueryExtension(display, "XWAYLAND", &opcode, &event, &error) == True;
}

} // namespace

std::unique_ptr<XDisplay> XDisplay::open(std::string &why)
{
    const std::string name = environment("DISPLAY");
    if (name.empty()) {
        why = environment("WAYLAND_DISPLAY").empty()
                  ? "no X server: DISPLAY is not set"
                  : "this is a Wayland session without an X server (DISPLAY is not set); "
                    "screen capture needs X";
        return nullptr;
    }
    Display *display = XOpenDisplay(name.c_str());
    if (!display) {
        why = "cannot connect to the X server on DISPLAY=" + name;
        return nullptr;
    }
    if (isXWayland(display)) {
        XCloseDisplay(display);
        why = "the X server on DISPLAY=" + name +
              " is XWayland, which cannot read the screen of Wayland programs";
        return nullptr;
    }
    return std::unique_ptr<XDisplay>(new XDisplay(display, name));
}

XDisplay::XDisplay(Display *display, std::string name)
    : display_(display), name_(std::move(name)), root_(DefaultRootWindow(display))
{
    XErrorTrap::watch(display_);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, root_, &attributes)) {
        width_ = attributes.width;
        height_ = attributes.height;
    }
}

bool XDisplay::lost() const
{
    if (XErrorTrap::connectionLost(display_))
        return true;
    pollfd socket{ConnectionNumber(display_), POLLRDHUP, 0};
    return poll(&socket, 1, 0) > 0 && (socket.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

XDisplay::~XDisplay()
{
    XCloseDisplay(display_);
    XErrorTrap::forget(display_);
}

} // namespace grabix
