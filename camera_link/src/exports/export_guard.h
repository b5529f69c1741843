// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_EXPORT_GUARD_H
#define QV_EXPORT_GUARD_H

// Every export body runs inside guarded(): nothing may throw across the C
// interface, so an exception (in practice only std::bad_alloc) becomes the
// export's failure value.

#include <cstdio>
#include <exception>

namespace qv {

template <typename Result, typename Body>
Result guarded(Result failure, Body &&body) noexcept
{
    try {
        return body();
    } catch (const std::exception &e) {
        std::printf("qv_camera: %s\n", e.what());
    } catch (...) {
        std::printf("qv_camera: unexpected exception\n");
    }
    return failure;
}

template <typename Body>
void guardedVoid(Body &&body) noexcept
{
    try {
        body();
    } catch (const std::exception &e) {
        std::printf("qv_camera: %s\n", e.what());
    } catch (...) {
        std::printf("qv_camera: unexpected exception\n");
    }
}

} // namespace qv

#endif
