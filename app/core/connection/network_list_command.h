// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_NETWORK_LIST_COMMAND_H
#define CORVANE_NETWORK_LIST_COMMAND_H

// Which system command lists the wireless networks in range, and how its
// output becomes names. An empty program means this system has no lister;
// the network list then stays empty.
//
// Thread rules: a plain value, any thread.

#include <QString>
#include <QStringList>
#include <functional>

struct NetworkListCommand {
    QString program;
    QStringList arguments;
    std::function<QStringList(const QString &output)> parse;

    // NetworkManager's client on Linux, netsh on Windows, none elsewhere.
    static NetworkListCommand forThisSystem();
};

#endif
