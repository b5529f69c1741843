// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_picture.h"

int annotationReductionFor(int pictureHeight, int viewHeight)
{
    if (viewHeight <= 0 || pictureHeight <= viewHeight)
        return 1;
    return pictureHeight / viewHeight;
}

QPixmap loadAnnotationPicture(const QString &path, int viewHeight)
{
    const QPixmap picture(path);
    if (picture.isNull())
        return picture;
    const int k = annotationReductionFor(picture.height(), viewHeight);
    if (k == 1)
        return picture;
    return picture.scaled(picture.width() / k, picture.height() / k, Qt::IgnoreAspectRatio,
                          Qt::FastTransformation);
}
