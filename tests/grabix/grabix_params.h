// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_TEST_GRABIX_PARAMS_H
#define GRABIX_TEST_GRABIX_PARAMS_H

// A parameter block filled as the application fills it.

#include "grabix.h"

#include <cstring>
#include <string>

inline GrabixParams grabixParams(const std::string &path, int left, int top, int width, int height,
                                 int frameRate = 20, int audio = 0)
{
    GrabixParams p;
    std::memset(&p, 0, sizeof p);
    std::strncpy(p.path, path.c_str(), sizeof p.path - 1);
    p.audio = audio;
    p.frameRate = frameRate;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.kind = 4;
    return p;
}

#endif
