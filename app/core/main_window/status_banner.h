// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_STATUS_BANNER_H
#define CORVANE_STATUS_BANNER_H

// The message strip at the bottom of the main window: a mark (tick or cross)
// and a text, hidden again five seconds after the last message. Every new
// message replaces the timer, so the period restarts.
//
// Thread rules: GUI thread only. The banner widgets belong to the window's
// form; the timer is a child of the given parent.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLabel;

class QWidget;

class StatusBanner : public QObject {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 5000;

    StatusBanner(QWidget *strip, QLabel *icon, QLabel *text, QObject *parent);

    void setMarks(const QImage &ok, const QImage &fail);
    void showOk(const QString &message);
    void showFail(const QString &message);
    // Without a mark: work in progress, neither success nor failure.
    void showNote(const QString &message);
    void clear();

    // The timer that will hide the current message; null when none runs.
    QTimer *timer() const { return timer_; }

signals:
    // Emitted by the timer; the window routes it to its clear slot.
    void expired();

private:
    void showWith(const QImage &mark, const QString &message);

    QWidget *strip_;
    QLabel *icon_;
    QLabel *text_;
    QImage okMark_;
    QImage failMark_;
    QPointer<QTimer> timer_;
};

#endif
