// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/hover_tip.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

QPoint centredTipPosition(const QPoint &buttonGlobal, int tipWidth, int screenWidth, int yOffset)
{
    int x = buttonGlobal.x() - tipWidth / 2 + 16;
    if (x + tipWidth > screenWidth)
        x = screenWidth - tipWidth;
    return QPoint(x, buttonGlobal.y() + yOffset);
}

QPoint sideButtonTipPosition(const QPoint &buttonGlobal)
{
    return buttonGlobal + QPoint(90, 20);
}

HoverTip::HoverTip() : label_(new QLabel)
{
    label_->setObjectName(QStringLiteral("hoverTip"));
    label_->setMinimumSize(50, 30);
    label_->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    label_->setStyleSheet(QStringLiteral(
        "QLabel{background-color:#000;border: 3px solid #000;border-radius:15px;color:#fff;"
        "padding:0px 8px;}"));
    QFont font = label_->font();
    font.setPointSize(12);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignCenter);
    label_->hide();
}

HoverTip::~HoverTip()
{
    delete label_;
}

void HoverTip::setText(const QString &text)
{
    label_->setText(text);
    label_->adjustSize();
}

int HoverTip::width() const
{
    return label_->width();
}

void HoverTip::showAt(const QPoint &globalPosition)
{
    QBitmap mask(label_->size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::color1);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(label_->rect(), 15, 15);
    painter.end();
    label_->setMask(mask);
    label_->move(globalPosition);
    label_->show();
}

void HoverTip::hide()
{
    label_->hide();
}
