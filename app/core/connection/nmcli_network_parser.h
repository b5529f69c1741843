// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_NMCLI_NETWORK_PARSER_H
#define CORVANE_NMCLI_NETWORK_PARSER_H

// Network names from NetworkManager's terse listing
// ("nmcli -t -f SSID dev wifi list"): one name per line, with ':' and '\'
// escaped by a backslash. nmcli prints one line per access point, so a
// network seen through several access points would appear several times;
// each name is kept once, in first-seen order. Hidden networks (empty
// names) are left out.
//
// Thread rules: a pure function, any thread.

#include <QString>
#include <QStringList>

QStringList parseNmcliNetworks(const QString &output);

// One terse field with its escapes removed ("a\:b" -> "a:b").
QString unescapeNmcliField(const QString &field);

#endif
