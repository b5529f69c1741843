#include "core/live_view/live_picture_painter.h"

#include "core/live_view/picture_placement.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void LivePicturePainter::paint(QPainter &painter, const QImage &frame, int screenWidth, int viewHeight,
                               const QString &notice)
{
    const QRect target = pictureTargetRect(frame.size(), screenWidth, viewHeight);
    if (!target.isEmpty()) {
        painter.drawImage(target.topLeft(), cache_.scaled(frame, target.size()));
        if (presentObserver_ && frame.cacheKey() != lastPresentedKey_) {
            lastPresentedKey_ = frame.cacheKey();
            presentObserver_(frame);
        }
    }
    if (!notice.isEmpty())
        paintNotice(painter, screenWidth, viewHeight, notice);
}

void LivePicturePainter::setPresentObserver(std::function<void(const QImage &)> observer)
{
    presentObserver_ = std::move(observer);
}

void LivePicturePainter::paintNotice(QPainter &painter, int screenWidth, int viewHeight,
                                     const QString &notice)
{
    painter.save();
    QFont font = painter.font();
    font.setPointSize(16);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int padding = 24;
    const int maxTextWidth = std::max(100, screenWidth - 4 * padding);
    const QRect textBounds =
        metrics.boundingRect(QRect(0, 0, maxTextWidth, viewHeight), Qt::AlignCenter | Qt::TextWordWrap, notice);
    const QRect box(0, 0, textBounds.width() + 2 * padding, textBounds.height() + 2 * padding);
    const QPoint centre(screenWidth / 2, kTitleBarHeight + viewHeight / 2);
    const QRect placed = box.translated(centre - box.center());
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(placed), 12, 12);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(rounded, QColor(0, 0, 0, 210));
    painter.setPen(Qt::white);
    painter.drawText(placed.adjusted(padding, padding, -padding, -padding), Qt::AlignCenter | Qt::TextWordWrap,
                     notice);
    painter.restore();
}
