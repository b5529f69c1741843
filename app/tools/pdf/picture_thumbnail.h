// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PICTURE_THUMBNAIL_H
#define CORVANE_PICTURE_THUMBNAIL_H

// The composer's thumbnail of a picture file: read already shrunk to fit
// the icon (a JPEG decoder skips most of the work at reduced size), so a
// list of camera pictures does not decode each at full size when painted.
// A file that cannot be read gives an empty icon.
//
// Thread rules: GUI thread (QPixmap).

#include <QIcon>
#include <QSize>
#include <QString>

QIcon pictureThumbnail(const QString &path, const QSize &box);

#endif
