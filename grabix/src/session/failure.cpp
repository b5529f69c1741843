// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/failure.h"

#include <cstdio>

namespace grabix {

void report(const Failure &failure)
{
    if (failure.failed())
        std::fprintf(stderr, "grabix: %s\n", failure.detail.c_str());
}

} // namespace grabix
