// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/network_list_command.h"

#include "core/connection/netsh_network_parser.h"
#include "core/connection/nmcli_network_parser.h"

NetworkListCommand NetworkListCommand::forThisSystem()
{
    NetworkListCommand command;
#if defined(Q_OS_WIN)
    command.program = QStringLiteral("netsh");
    command.arguments = QStringList{QStringLiteral("wlan"), QStringLiteral("show"),
                                    QStringLiteral("networks")};
    command.parse = parseNetshNetworks;
#elif defined(Q_OS_LINUX)
    command.program = QStringLiteral("nmcli");
    command.arguments = QStringList{QStringLiteral("-t"),   QStringLiteral("-f"),
                                    QStringLiteral("SSID"), QStringLiteral("dev"),
                                    QStringLiteral("wifi"), QStringLiteral("list")};
    command.parse = parseNmcliNetworks;
#endif
    return command;
}
