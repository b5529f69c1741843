// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/x_error_trap.h"

#include <map>
#include <mutex>

namespace grabix {

namespace {

struct Watched {
    int error = 0;
    bool lost = false;
};

std::mutex trapMutex;
std::map<Display *, Watched> watched;
XErrorHandler previousErrorHandler = nullptr;
XIOErrorHandler previousIoHandler = nullptr;
std::once_flag installed;

int onError(Display *display, XErrorEvent *event)
{
    XErrorHandler previous;
    {
        std::lock_guard<std::mutex> lock(trapMutex);
        auto it = watched.find(display);
        if (it != watched.end()) {
            it->second.error = event->error_code;
            return 0;
        }
        previous = previousErrorHandler;
    }
    return previous ? previous(display, event) : 0;
}

int onIoError(Display *display)
{
    XIOErrorHandler previous;
    {
        std::lock_guard<std::mutex> lock(trapMutex);
        auto it = watched.find(display);
        if (it != watched.end()) {
            it->second.lost = true;
            // Returning lets Xlib go on to the connection's exit handler,
            // which for watched connections returns as well.
            return 0;
        }
        previous = previousIoHandler;
    }
    return previous ? previous(display) : 0;
}

void onIoErrorExit(Display *, void *)
{
    // Xlib marks the connection dead; later calls on it fail at once.
}

} // namespace

void XErrorTrap::install()
{
    std::call_once(installed, [] {
        std::lock_guard<std::mutex> lock(trapMutex);
        previousErrorHandler = XSetErrorHandler(onError);
        previousIoHandler = XSetIOErrorHandler(onIoError);
    });
}

void XErrorTrap::watch(Display *display)
{
    install();
    {
        std::lock_guard<std::mutex> lock(trapMutex);
        watched[display] = Watched{};
    }
    XSetIOErrorExitHandler(display, onIoErrorExit, nullptr);
}

void XErrorTrap::forget(Display *display)
{
    std::lock_guard<std::mutex> lock(trapMutex);
    watched.erase(display);
}

int XErrorTrap::takeError(Display *display)
{
    std::lock_guard<std::mutex> lock(trapMutex);
    auto it = watched.find(display);
    if (it == watched.end())
        return 0;
    const int error = it->second.error;
    it->second.error = 0;
    return error;
}

bool XErrorTrap::connectionLost(Display *display)
{
    std::lock_guard<std::mutex> lock(trapMutex);
    auto it = watched.find(display);
    return it != watched.end() && it->second.lost;
}

} // namespace grabix
