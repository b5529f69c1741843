// SPDX-License-Identifier: GPL-3.0-or-later

#include "capture/screen_grabber.h"

#include "capture/x_error_trap.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>
#include <optional>

namespace grabix {

namespace {

int bitsPerPixelOfDepth(Display *display, int depth)
{
    int count = 0;
    XPixmapFormatValues *formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth)
            bits = formats[i].bits_per_pixel;
    }
    if (formats)
        XFree(formats);
    return bits;
}

} // namespace

std::unique_ptr<ScreenGrabber> ScreenGrabber::create(XDisplay &display, const ScreenRect &rect,
                                                     std::string &why, Transport transport)
{
    Display *dpy = display.handle();
    const int screen = DefaultScreen(dpy);
    const Visual *visual = DefaultVisual(dpy, screen);
    const int depth = DefaultDepth(dpy, screen);
    const int bits = bitsPerPixelOfDepth(dpy, depth);
    const std::optional<PixelLayout> layout =
        pixelLayoutOf(bits, ImageByteOrder(dpy) == LSBFirst, visual->red_mask,
                      visual->green_mask, visual->blue_mask);
    if (!layout) {
        why = "the X screen on DISPLAY=" + display.name() + " has depth " + std::to_string(depth) +
              " (" + std::to_string(bits) + " bits per pixel); only 24-bit colour screens can be recorded";
        return nullptr;
    }
    std::unique_ptr<ScreenGrabber> grabber(new ScreenGrabber(display, rect, *layout));
    if (transport == Transport::SharedMemoryIfPossible && XShmQueryExtension(dpy))
        grabber->attachSharedImage();
    return grabber;
}

ScreenGrabber::ScreenGrabber(XDisplay &display, const ScreenRect &rect, PixelLayout layout)
    : display_(display), rect_(rect), layout_(layout)
{
}

ScreenGrabber::~ScreenGrabber()
{
    detachSharedImage();
}

void ScreenGrabber::attachSharedImage()
{
    Display *dpy = display_.handle();
    const int screen = DefaultScreen(dpy);
    XImage *image = XShmCreateImage(dpy, DefaultVisual(dpy, screen), DefaultDepth(dpy, screen),
                                    ZPixmap, nullptr, &shm_, rect_.width, rect_.height);
    if (!image)
        return;
    shm_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * image->height,
                        IPC_CREAT | 0600);
    if (shm_.shmid < 0) {
        XDestroyImage(image);
        return;
    }
    shm_.shmaddr = image->data = static_cast<char *>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    bool attached = shm_.shmaddr != reinterpret_cast<char *>(-1);
    if (attached) {
        XErrorTrap::takeError(dpy);
        // A server on another machine refuses the attach with an error that
        // arrives only once the request has been processed: sync for it.
        attached = XShmAttach(dpy, &shm_) && XSync(dpy, False) && XErrorTrap::takeError(dpy) == 0;
        if (!attached)
            shmdt(shm_.shmaddr);
    }
    // Marked for removal now, the segment goes away with the last detach,
    // even if the process dies.
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    if (!attached) {
        image->data = nullptr;
        XDestroyImage(image);
        shm_ = {};
        return;
    }
    shmImage_ = image;
}

void ScreenGrabber::detachSharedImage()
{
    if (!shmImage_)
        return;
    Display *dpy = display_.handle();
    if (!display_.lost()) {
        XShmDetach(dpy, &shm_);
        XSync(dpy, False);
    }
    shmImage_->data = nullptr;
    XDestroyImage(shmImage_);
    shmdt(shm_.shmaddr);
    shmImage_ = nullptr;
}

bool ScreenGrabber::grab(Frame &into, std::string &why)
{
    Display *dpy = display_.handle();
    if (display_.lost())
        return failure(why);
    if (shmImage_) {
        if (!XShmGetImage(dpy, display_.root(), shmImage_, rect_.left, rect_.top, AllPlanes) ||
            XErrorTrap::takeError(dpy) != 0)
            return failure(why);
        copyOut(*shmImage_, into);
        return true;
    }
    XImage *image = XGetImage(dpy, display_.root(), rect_.left, rect_.top,
                              static_cast<unsigned>(rect_.width), static_cast<unsigned>(rect_.height),
                              AllPlanes, ZPixmap);
    XErrorTrap::takeError(dpy);
    if (!image)
        return failure(why);
    copyOut(*image, into);
    XDestroyImage(image);
    return true;
}

bool ScreenGrabber::failure(std::string &why)
{
    why = display_.lost()
              ? "the connection to the X server on DISPLAY=" + display_.name() + " was lost"
              : "the screen on DISPLAY=" + display_.name() +
                    " no longer holds the capture rectangle (it was made smaller)";
    return false;
}

void ScreenGrabber::copyOut(const XImage &image, Frame &into) const
{
    const int pixelBytes = bytesPerPixel(layout_);
    into.width = rect_.width;
    into.height = rect_.height;
    into.stride = rect_.width * pixelBytes;
    into.layout = layout_;
    into.pixels.resize(static_cast<size_t>(into.stride) * into.height);
    for (int y = 0; y < into.height; ++y) {
        std::memcpy(into.pixels.data() + static_cast<size_t>(y) * into.stride,
                    image.data + static_cast<size_t>(y) * image.bytes_per_line,
                    static_cast<size_t>(into.stride));
    }
}

} // namespace grabix
