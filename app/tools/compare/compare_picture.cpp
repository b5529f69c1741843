// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/compare_picture.h"

#include <QTransform>

int turnedBy(int quarterTurns, int delta)
{
    return ((quarterTurns + delta) % 4 + 4) % 4;
}

int croppedBy(int cropTenths, int delta)
{
    const int next = cropTenths + delta;
    if (next <= 0)
        return 0;
    if (next >= 9)
        return kMaxCompareCropTenths;
    return next;
}

QRect compareCutOut(const QSize &picture, int cropTenths)
{
    const double fraction = cropTenths / 10.0;
    const int x = int(picture.width() * fraction / 2);
    const int y = int(picture.height() * fraction / 2);
    const int width = qMax(1, int(picture.width() - picture.width() * fraction));
    const int height = qMax(1, int(picture.height() - picture.height() * fraction));
    return QRect(x, y, width, height);
}

QImage compareView(const QImage &picture, int quarterTurns, int cropTenths, const QSize &target)
{
    if (picture.isNull() || target.isEmpty())
        return QImage();
    // Cut first: the cut-out is centred and cuts the same share of both
    // sides, so it commutes with the turn, and turning the smaller picture
    // is cheaper.
    QImage shown = cropTenths > 0 ? picture.copy(compareCutOut(picture.size(), cropTenths)) : picture;
    if (quarterTurns != 0)
        shown = shown.transformed(QTransform().rotate(90.0 * quarterTurns), Qt::FastTransformation);
    return shown.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
