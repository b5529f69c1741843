// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/live_notice.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void paintLiveNotice(QPainter &painter, const QRect &pictureArea, const QString &notice)
{
    if (notice.isEmpty())
        return;
    painter.save();
    QFont font = painter.font();
    font.setPointSize(16);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int padding = 24;
    const int maxTextWidth = std::max(100, pictureArea.width() - 4 * padding);
    const QRect textBounds = metrics.boundingRect(QRect(0, 0, maxTextWidth, pictureArea.height()),
                                                  Qt::AlignCenter | Qt::TextWordWrap, notice);
    const QRect box(0, 0, textBounds.width() + 2 * padding, textBounds.height() + 2 * padding);
    const QRect placed = box.translated(pictureArea.center() - box.center());
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(placed), 12, 12);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(rounded, QColor(0, 0, 0, 210));
    painter.setPen(Qt::white);
    painter.drawText(placed.adjusted(padding, padding, -padding, -padding),
                     Qt::AlignCenter | Qt::TextWordWrap, notice);
    painter.restore();
}
