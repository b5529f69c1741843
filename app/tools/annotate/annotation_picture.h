// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_PICTURE_H
#define CORVANE_ANNOTATION_PICTURE_H

// The frozen picture of the annotation page, read back from the temporary
// file it was saved to. A picture taller than the view is reduced by a
// whole factor k = height / viewHeight (integer division), so a 1080-row
// picture over a 960-row view stays unreduced and a 2880-row one over 1048
// rows is halved; whole factors keep the picture crisp. A missing or
// unreadable file gives an empty pixmap.
//
// Thread rules: GUI thread only (QPixmap).

#include <QPixmap>
#include <QString>

int annotationReductionFor(int pictureHeight, int viewHeight);
QPixmap loadAnnotationPicture(const QString &path, int viewHeight);

#endif
