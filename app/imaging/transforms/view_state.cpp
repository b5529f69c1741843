// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/view_state.h"

bool operator==(const ViewState &a, const ViewState &b)
{
    return a.rotationStep == b.rotationStep && a.mirrorHorizontal == b.mirrorHorizontal
        && a.mirrorVertical == b.mirrorVertical && a.liveZoom == b.liveZoom;
}

int rotatedLeft(int rotationStep)
{
    return rotationStep < 1 ? 3 : rotationStep - 1;
}

int rotatedRight(int rotationStep)
{
    return rotationStep > 2 ? 0 : rotationStep + 1;
}

double zoomedIn(double zoom)
{
    return zoom < kMaxLiveZoom ? zoom + 0.1 : kMaxLiveZoom;
}

double zoomedOut(double zoom)
{
    return zoom > 1.1 ? zoom - 0.1 : kMinLiveZoom;
}
