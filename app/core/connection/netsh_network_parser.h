// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_NETSH_NETWORK_PARSER_H
#define CORVANE_NETSH_NETWORK_PARSER_H

// Network names from the text of "netsh wlan show networks" (Windows).
// Each line holding "SSID" contributes its last space-separated word, so a
// line "SSID 1 : Home Net" gives "Net"; names keep the command's order and
// duplicates stay.
//
// Thread rules: a pure function, any thread.

#include <QString>
#include <QStringList>

QStringList parseNetshNetworks(const QString &output);

#endif
