// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/display_decode_scale.h"

JpegScale displayDecodeScale(const QSize &frame, int rows, bool quarterTurned)
{
    if (rows <= 0 || frame.width() <= 0 || frame.height() <= 0)
        return JpegScale();
    const int upright = quarterTurned ? frame.width() : frame.height();
    for (const JpegScale scale : {JpegScale{1, 8}, JpegScale{1, 4}, JpegScale{1, 2}}) {
        if (scale.apply(upright) >= rows)
            return scale;
    }
    return JpegScale();
}
