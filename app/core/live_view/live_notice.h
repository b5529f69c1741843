// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_NOTICE_H
#define CORVANE_LIVE_NOTICE_H

// A notice over the middle of the live picture (the camera is not
// answering): white text in a dark rounded box, the last picture still
// visible around it. Nothing is drawn for an empty notice.
//
// Thread rules: GUI thread only (it paints).

#include <QRect>
#include <QString>

class QPainter;

void paintLiveNotice(QPainter &painter, const QRect &pictureArea, const QString &notice);

#endif
