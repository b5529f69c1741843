// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/picture_thumbnail.h"

#include <QImageReader>
#include <QPixmap>

QIcon pictureThumbnail(const QString &path, const QSize &box)
{
    QImageReader reader(path);
    // As the page will show it: the PDF holds the JPEG data unturned.
    reader.setAutoTransform(false);
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage picture = reader.read();
    if (picture.isNull())
        return QIcon();
    return QIcon(QPixmap::fromImage(picture));
}
