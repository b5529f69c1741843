// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/scaled_frame_cache.h"

const QImage &ScaledFrameCache::scaled(const QImage &frame, const QSize &target, qreal pixelRatio)
{
    if (frame.isNull() || target.isEmpty()) {
        scaled_ = QImage();
        frameKey_ = -1;
        return scaled_;
    }
    if (frame.cacheKey() == frameKey_ && target == target_ && pixelRatio == pixelRatio_)
        return scaled_;
    QImage result = frame.scaled(target * pixelRatio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The window's backing store is 32-bit; converting the small picture once
    // here saves a conversion at every paint.
    if (result.format() != QImage::Format_RGB32 && !result.hasAlphaChannel())
        result = result.convertToFormat(QImage::Format_RGB32);
    result.setDevicePixelRatio(pixelRatio);
    scaled_ = result;
    frameKey_ = frame.cacheKey();
    target_ = target;
    pixelRatio_ = pixelRatio;
    ++rescales_;
    return scaled_;
}
