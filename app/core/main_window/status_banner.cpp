// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/status_banner.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

StatusBanner::StatusBanner(QWidget *strip, QLabel *icon, QLabel *text, QObject *parent)
    : QObject(parent), strip_(strip), icon_(icon), text_(text)
{
}

void StatusBanner::setMarks(const QImage &ok, const QImage &fail)
{
    okMark_ = ok;
    failMark_ = fail;
}

void StatusBanner::showOk(const QString &message)
{
    showWith(okMark_, message);
}

void StatusBanner::showFail(const QString &message)
{
    showWith(failMark_, message);
}

void StatusBanner::showNote(const QString &message)
{
    showWith(QImage(), message);
}

void StatusBanner::showWith(const QImage &mark, const QString &message)
{
    strip_->show();
    icon_->setPixmap(QPixmap::fromImage(mark));
    text_->setText(message);
    text_->adjustSize();
    if (timer_) {
        timer_->stop();
        delete timer_;
    }
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &StatusBanner::expired);
    timer_->setSingleShot(true);
    timer_->setInterval(kShowMilliseconds);
    timer_->start();
}

void StatusBanner::clear()
{
    icon_->clear();
    text_->clear();
    strip_->hide();
}

#include "moc_status_banner.cpp"
