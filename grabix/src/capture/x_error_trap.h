// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_X_ERROR_TRAP_H
#define GRABIX_X_ERROR_TRAP_H

// Xlib reports protocol errors and broken connections through handlers that
// are shared by the whole process, and its default handlers end the
// process. A screen recorder inside an application must not: a refused
// shared-memory attach, a screen that shrank under the capture rectangle or
// an X server that went away have to end the recording, not the program.
//
// The trap installs one error handler and one I/O error handler (once per
// process). For the connections watched here they record what happened and
// return; every other connection's errors go on to the handlers that were
// installed before, so the rest of the program sees no change.
//
// Thread rules: all members may be called from any thread; the handlers run
// on the thread whose Xlib call failed. State is kept under one mutex.

#include <X11/Xlib.h>

namespace grabix {

class XErrorTrap {
public:
    // Installs the handlers; later calls do nothing.
    static void install();

    // Starts and ends watching a connection (watch installs if needed).
    static void watch(Display *display);
    static void forget(Display *display);

    // The error code of the last failed request on display since the
    // previous call, 0 when none; clears it.
    static int takeError(Display *display);

    // True once the connection to the X server has broken.
    static bool connectionLost(Display *display);
};

} // namespace grabix

#endif
