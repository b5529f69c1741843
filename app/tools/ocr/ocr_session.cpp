// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/ocr_session.h"

#include "tools/ocr/ocr_worker.h"

#include <QThread>

OcrSession::OcrSession(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<OcrOutcome>("OcrOutcome");
    thread_ = new QThread(this);
    thread_->setObjectName(QStringLiteral("ocr"));
    worker_ = new OcrWorker(&cancel_);
    worker_->moveToThread(thread_);
    connect(worker_, &OcrWorker::recognised, this, &OcrSession::takeOutcome,
            Qt::QueuedConnection);
}

OcrSession::~OcrSession()
{
    cancel_ = true;
    thread_->quit();
    thread_->wait();
    // The thread has ended: nothing runs in the worker any more.
    delete worker_;
}

int OcrSession::start(const QImage &picture, const QString &language)
{
    if (running_)
        return 0;
    if (!thread_->isRunning())
        thread_->start(QThread::LowPriority);
    cancel_ = false;
    running_ = ++lastRequest_;
    QMetaObject::invokeMethod(worker_, "recognise", Qt::QueuedConnection, Q_ARG(int, running_),
                              Q_ARG(QImage, picture), Q_ARG(QString, language));
    return running_;
}

void OcrSession::cancel()
{
    if (running_)
        cancel_ = true;
}

void OcrSession::takeOutcome(const OcrOutcome &outcome)
{
    if (outcome.request != running_)
        return;
    running_ = 0;
    emit finished(outcome);
}
