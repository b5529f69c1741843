// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/picture_placement.h"

QRect pictureTargetRect(const QSize &picture, int screenWidth, int viewHeight)
{
    if (picture.width() <= 0 || picture.height() <= 0 || viewHeight <= 0)
        return QRect();
    const double shrink = double(picture.height()) / double(viewHeight);
    const int drawnWidth = int(double(picture.width()) / shrink);
    return QRect((screenWidth - drawnWidth) / 2, kTitleBarHeight, drawnWidth, viewHeight);
}
