// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/live_frame_path.h"

#include "imaging/transforms/view_transforms.h"

QImage LiveFramePath::toCurrentFrame(const QImage &decoded)
{
    ++framesSeen_;
    return transforms_ ? transforms_->toCurrentFrame(decoded) : decoded;
}
