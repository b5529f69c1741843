// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/corner_adjust/corner_adjust_view.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

const QColor kAccent(0x02, 0x96, 0xD6);
// Room above the picture for the hint, and below it for the buttons and
// the tool bar, which floats over the bottom of the window (140 pixels).
constexpr int kTopRoom = 60;
constexpr int kBottomRoom = 200;

} // namespace

CornerAdjustView::CornerAdjustView(const QImage &picture, const CornerAdjustment &start,
                                   QWidget *parent)
    : QWidget(parent), picture_(picture), adjustment_(start), save_(new QPushButton(this)),
      cancel_(new QPushButton(this))
{
    setObjectName(QStringLiteral("CornerAdjustView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    save_->setObjectName(QStringLiteral("btn_baocun"));
    cancel_->setObjectName(QStringLiteral("btn_cancel"));
    for (QPushButton *button : {save_, cancel_}) {
        button->setFocusPolicy(Qt::NoFocus); // keys stay with the corners
        button->setMinimumSize(120, 36);
        button->setStyleSheet(QStringLiteral(
            "QPushButton{background-color:#ededed;border:1px solid #ededed;border-radius:10px;}"
            "QPushButton:hover{background-color:#fff;border:2px solid #0296D6;}"));
    }
    connect(save_, &QPushButton::clicked, this, &CornerAdjustView::saveRequested);
    connect(cancel_, &QPushButton::clicked, this, &CornerAdjustView::cancelled);
    retranslate();
}

void CornerAdjustView::retranslate()
{
    save_->setText(tr("Save cut-out"));
    cancel_->setText(tr("Cancel"));
    update();
}

void CornerAdjustView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

double CornerAdjustView::scale() const
{
    if (picture_.isNull())
        return 1.0;
    const double w = width(), h = std::max(1, height() - kTopRoom - kBottomRoom);
    return std::min(w / picture_.width(), h / picture_.height());
}

QRectF CornerAdjustView::pictureArea() const
{
    const double s = scale();
    const QSizeF size(picture_.width() * s, picture_.height() * s);
    return QRectF(QPointF((width() - size.width()) / 2,
                          kTopRoom + (height() - kTopRoom - kBottomRoom - size.height()) / 2),
                  size);
}

QPointF CornerAdjustView::toWidget(cv::Point2f p) const
{
    const QRectF area = pictureArea();
    const double s = scale();
    return QPointF(area.left() + (p.x + 0.5) * s, area.top() + (p.y + 0.5) * s);
}

cv::Point2f CornerAdjustView::toPicture(const QPointF &w) const
{
    const QRectF area = pictureArea();
    const double s = scale();
    return cv::Point2f(static_cast<float>((w.x() - area.left()) / s - 0.5),
                       static_cast<float>((w.y() - area.top()) / s - 0.5));
}

void CornerAdjustView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    cancel_->adjustSize();
    save_->adjustSize();
    const int y = height() - kBottomRoom + 12;
    cancel_->move(width() / 2 + 10, y);
    save_->move(width() / 2 - 10 - save_->width(), y);
}

void CornerAdjustView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRectF area = pictureArea();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, picture_);

    QPolygonF quad;
    for (const cv::Point2f &p : adjustment_.corners())
        quad << toWidget(p);
    // Darken what will be left out, so the cut-out stands out.
    QPainterPath outside;
    outside.addRect(area);
    QPainterPath inside;
    inside.addPolygon(quad);
    inside.closeSubpath();
    painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 110));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kAccent, 3));
    painter.drawPolygon(quad);
    for (int i = 0; i < 4; ++i) {
        painter.setPen(QPen(kAccent, 3));
        painter.setBrush(i == selected_ ? QBrush(kAccent) : QBrush(Qt::white));
        painter.drawEllipse(quad[i], kHandleRadius, kHandleRadius);
    }

    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(14);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, width(), kTopRoom), Qt::AlignCenter,
                     tr("Drag the four corners onto the corners of the sheet. "
                        "Enter saves the cut-out, Esc cancels."));
}

void CornerAdjustView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int corner = adjustment_.cornerAt(toPicture(event->localPos()),
                                            static_cast<float>(kHandleRadius * 1.5 / scale()));
    if (corner < 0)
        return;
    selected_ = corner;
    dragging_ = true;
    update();
}

void CornerAdjustView::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging_) {
        const int corner = adjustment_.cornerAt(toPicture(event->localPos()),
                                                static_cast<float>(kHandleRadius * 1.5 / scale()));
        setCursor(corner >= 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    adjustment_.drag(selected_, toPicture(event->localPos()));
    update();
}

void CornerAdjustView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void CornerAdjustView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    cv::Point2f move(0, 0);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit saveRequested();
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    case Qt::Key_Tab:
        selected_ = (selected_ + 1) % 4;
        update();
        return;
    case Qt::Key_Backtab:
        selected_ = (selected_ + 3) % 4;
        update();
        return;
    case Qt::Key_Left: move.x = -step; break;
    case Qt::Key_Right: move.x = step; break;
    case Qt::Key_Up: move.y = -step; break;
    case Qt::Key_Down: move.y = step; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    adjustment_.drag(selected_, adjustment_.corners()[selected_] + move);
    update();
}
