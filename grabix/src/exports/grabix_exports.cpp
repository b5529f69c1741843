// SPDX-License-Identifier: GPL-3.0-or-later

// The C interface. Every body runs inside guarded(): nothing may throw
// across it, so an exception (in practice std::bad_alloc) becomes a failure
// the caller can query, with one line on standard error.

#include "grabix.h"

#include "capture/x_error_trap.h"
#include "session/grabix_handle.h"

#include <cstdio>
#include <exception>

namespace {

template <typename Body>
void guarded(Body &&body) noexcept
{
    try {
        body();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "grabix: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "grabix: unexpected exception\n");
    }
}

} // namespace

extern "C" {

GRABIX_API void grabix_Init(void)
{
    guarded([] { grabix::XErrorTrap::install(); });
}

GRABIX_API Grabix *grabix_CreateGrabix(void)
{
    Grabix *handle = nullptr;
    guarded([&] { handle = new Grabix(); });
    return handle;
}

GRABIX_API void grabix_PreCap(Grabix *handle, const GrabixParams *params)
{
    guarded([&] {
        if (handle)
            handle->preCap(params);
    });
}

GRABIX_API void grabix_Start(Grabix *handle)
{
    guarded([&] {
        if (handle)
            handle->start();
    });
}

GRABIX_API void grabix_Stop(Grabix *handle)
{
    guarded([&] {
        if (handle)
            handle->stop();
    });
}

GRABIX_API void grabix_DestroyGrabix(Grabix *handle)
{
    guarded([&] { delete handle; });
}

GRABIX_API int grabix_LastError(const Grabix *handle)
{
    return handle ? handle->lastError() : GRABIX_ERR_NO_HANDLE;
}

} // extern "C"
