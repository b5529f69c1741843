// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/searchable_pdf_session.h"

#include "tools/pdf/searchable_pdf_worker.h"

#include <QThread>

SearchablePdfSession::SearchablePdfSession(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SearchablePdfResult>("SearchablePdfResult");
    thread_ = new QThread(this);
    thread_->setObjectName(QStringLiteral("pdf text"));
    worker_ = new SearchablePdfWorker(&cancel_);
    worker_->moveToThread(thread_);
    connect(worker_, &SearchablePdfWorker::progress, this, &SearchablePdfSession::progress,
            Qt::QueuedConnection);
    connect(worker_, &SearchablePdfWorker::composed, this, &SearchablePdfSession::takeResult,
            Qt::QueuedConnection);
}

SearchablePdfSession::~SearchablePdfSession()
{
    cancel_ = true;
    thread_->quit();
    thread_->wait();
    delete worker_;
}

bool SearchablePdfSession::start(const QStringList &picturePaths, const QString &outputPath,
                                 const QString &language, const QString &fontPath)
{
    if (busy_)
        return false;
    if (!thread_->isRunning())
        thread_->start(QThread::LowPriority);
    cancel_ = false;
    busy_ = true;
    QMetaObject::invokeMethod(worker_, "compose", Qt::QueuedConnection,
                              Q_ARG(QStringList, picturePaths), Q_ARG(QString, outputPath),
                              Q_ARG(QString, language), Q_ARG(QString, fontPath));
    return true;
}

void SearchablePdfSession::cancel()
{
    if (busy_)
        cancel_ = true;
}

void SearchablePdfSession::takeResult(const SearchablePdfResult &result)
{
    busy_ = false;
    emit finished(result);
}
