// SPDX-License-Identifier: GPL-3.0-or-later

// The two network-list parsers on arbitrary command output: network names
// come from whatever access points are in range, so the text is not ours.

#include "core/connection/netsh_network_parser.h"
#include "core/connection/nmcli_network_parser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromLocal8Bit(reinterpret_cast<const char *>(data), int(size));
    for (const QString &name : parseNetshNetworks(text)) {
        if (name.isEmpty() || name.contains(QLatin1Char(' ')))
            __builtin_trap(); // a name is one non-empty word
    }
    const QStringList names = parseNmcliNetworks(text);
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).isEmpty() || names.indexOf(names.at(i)) != i)
            __builtin_trap(); // non-empty and listed once
    }
    return 0;
}
