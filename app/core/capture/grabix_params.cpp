// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/grabix_params.h"

#include <cstring>

bool fillGrabixParams(GrabixParams *params, const QByteArray &localPath, bool audio, const QRect &area)
{
    if (localPath.isEmpty() || localPath.size() > kGrabixPathBytes || localPath.contains('\0'))
        return false;
    GrabixParams block;
    std::memset(&block, 0, sizeof block);
    std::memcpy(block.path, localPath.constData(), size_t(localPath.size()));
    block.audio = audio ? 1 : 0;
    block.frameRate = kGrabixFrameRate;
    block.left = area.x();
    block.top = area.y();
    block.width = area.width();
    block.height = area.height();
    block.kind = kGrabixKind;
    block.reserved = 0;
    *params = block;
    return true;
}
