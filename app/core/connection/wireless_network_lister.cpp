// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/wireless_network_lister.h"

#include <QProcess>

WirelessNetworkLister::WirelessNetworkLister(NetworkListCommand command, QObject *parent)
    : QObject(parent), command_(std::move(command))
{
    timeLimit_.setSingleShot(true);
    timeLimit_.setInterval(kDefaultTimeLimitMs);
    connect(&timeLimit_, &QTimer::timeout, this, [this] {
        // A hanging command: take what it printed so far.
        if (process_)
            process_->kill();
    });
}

WirelessNetworkLister::~WirelessNetworkLister()
{
    stopProcess();
}

void WirelessNetworkLister::start()
{
    if (process_)
        return;
    if (command_.program.isEmpty()) {
        // No lister on this system; answer from the event loop like a real
        // command would, so callers see one behaviour.
        QTimer::singleShot(0, this, [this] { emit networksListed(QStringList()); });
        return;
    }
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &WirelessNetworkLister::onFinished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onFailedToStart();
    });
    timeLimit_.start();
    process_->start(command_.program, command_.arguments, QIODevice::ReadOnly);
}

void WirelessNetworkLister::setTimeLimit(int milliseconds)
{
    timeLimit_.setInterval(milliseconds);
}

void WirelessNetworkLister::onFinished()
{
    const QString output = QString::fromLocal8Bit(process_->readAllStandardOutput());
    report(command_.parse ? command_.parse(output) : QStringList());
}

void WirelessNetworkLister::onFailedToStart()
{
    report(QStringList());
}

void WirelessNetworkLister::report(const QStringList &names)
{
    timeLimit_.stop();
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
    emit networksListed(names);
}

void WirelessNetworkLister::stopProcess()
{
    timeLimit_.stop();
    if (!process_)
        return;
    process_->disconnect(this);
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(1000);
    }
    delete process_;
    process_ = nullptr;
}
