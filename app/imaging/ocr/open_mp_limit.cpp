// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/open_mp_limit.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

namespace ocr {

bool limitOpenMpToOneThread()
{
    static std::once_flag once;
    static bool limited = false;
    std::call_once(once, [] {
        if (std::getenv("OMP_THREAD_LIMIT"))
            return;
        using SetLevels = void (*)(int);
        auto setLevels =
            reinterpret_cast<SetLevels>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels"));
        if (setLevels) {
            setLevels(0);
            limited = true;
        }
    });
    return limited;
}

} // namespace ocr
