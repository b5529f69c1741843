// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_SCREEN_GRABBER_H
#define GRABIX_SCREEN_GRABBER_H

// Reads one rectangle of the root window into frames. With a local X server
// it shares one image with the server through MIT-SHM (the server writes the
// pixels straight into our memory); otherwise — a remote server, or shared
// memory refused — it asks for the pixels with a plain GetImage each time.
//
// Thread rules: created and destroyed by the recording's owner; grab() is
// called by the capture thread only, which then is the only user of the X
// connection.

#include "capture/frame.h"
#include "capture/screen_rect.h"
#include "capture/x_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <memory>
#include <string>

namespace grabix {

class ScreenGrabber {
public:
    enum class Transport { SharedMemoryIfPossible, PlainOnly };

    // Null with the reason when the screen's pixels are not 8-bit RGB.
    // rect must lie on the screen (see clipToScreen).
    static std::unique_ptr<ScreenGrabber> create(XDisplay &display, const ScreenRect &rect,
                                                 std::string &why,
                                                 Transport transport = Transport::SharedMemoryIfPossible);
    ~ScreenGrabber();
    ScreenGrabber(const ScreenGrabber &) = delete;
    ScreenGrabber &operator=(const ScreenGrabber &) = delete;

    // Fills into (reusing its memory). False with the reason when the
    // connection broke or the rectangle is no longer on the screen.
    bool grab(Frame &into, std::string &why);

    bool usesSharedMemory() const { return shmImage_ != nullptr; }
    const ScreenRect &rect() const { return rect_; }

private:
    ScreenGrabber(XDisplay &display, const ScreenRect &rect, PixelLayout layout);
    void attachSharedImage();
    void detachSharedImage();
    bool failure(std::string &why);
    void copyOut(const XImage &image, Frame &into) const;

    XDisplay &display_;
    const ScreenRect rect_;
    const PixelLayout layout_;
    XImage *shmImage_ = nullptr;
    XShmSegmentInfo shm_{};
};

} // namespace grabix

#endif
