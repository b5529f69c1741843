// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/broadcast_address_source.h"

#include <QNetworkInterface>

QString WirelessBroadcastSource::broadcastAddress(const QString &previous) const
{
    QString found = previous;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)
            || iface.type() != QNetworkInterface::Wifi)
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QString broadcast = entry.broadcast().toString();
            if (!broadcast.isEmpty()) {
                found = broadcast;
                break;
            }
        }
    }
    return found;
}
