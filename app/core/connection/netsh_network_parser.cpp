// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/netsh_network_parser.h"

QStringList parseNetshNetworks(const QString &output)
{
    QStringList names;
    const QStringList lines = output.split(QStringLiteral("\r\n"), Qt::KeepEmptyParts);
    for (const QString &line : lines) {
        if (!line.contains(QLatin1String("SSID"), Qt::CaseSensitive))
            continue;
        const QString last = line.split(QLatin1Char(' '), Qt::KeepEmptyParts).last();
        if (!last.isEmpty())
            names.append(last);
    }
    return names;
}
