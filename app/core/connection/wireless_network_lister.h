// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_WIRELESS_NETWORK_LISTER_H
#define CORVANE_WIRELESS_NETWORK_LISTER_H

// Runs the system's network-list command in the background and reports the
// names once it has answered. Gathering the list can take many seconds
// (the command may scan first), so nothing here ever waits for it: the
// window that asked fills its list whenever networksListed arrives.
//
// networksListed is emitted exactly once per start(): with the parsed
// names, or with an empty list when the command is missing, fails, or does
// not finish within the time limit (then whatever it had printed counts).
// Deleting the lister ends a command still running and emits nothing more.
//
// Thread rules: GUI thread (or the thread that owns it) only; the child
// process is watched through the event loop, no extra thread.

#include "core/connection/network_list_command.h"

#include <QObject>
#include <QTimer>

class QProcess;

class WirelessNetworkLister : public QObject {
    Q_OBJECT

public:
    // How long the command may take before it is stopped, unless changed.
    static constexpr int kDefaultTimeLimitMs = 30000;

    explicit WirelessNetworkLister(NetworkListCommand command, QObject *parent = nullptr);
    ~WirelessNetworkLister() override;

    // Starts the command; a second call while one runs does nothing.
    void start();

    // Applies to the next start().
    void setTimeLimit(int milliseconds);

signals:
    void networksListed(const QStringList &names);

private:
    void onFinished();
    void onFailedToStart();
    void report(const QStringList &names);
    void stopProcess();

    NetworkListCommand command_;
    QProcess *process_ = nullptr;
    QTimer timeLimit_;
};

#endif
