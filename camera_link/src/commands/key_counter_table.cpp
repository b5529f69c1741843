// SPDX-License-Identifier: LGPL-2.1-or-later

#include "key_counter_table.h"

#include "transport/socket_layer.h"

namespace qv {

void KeyCounterTable::initialiseOnce()
{
    if (!needsInitialising_)
        return;
    for (int32_t &e : entries_)
        e = kUnseen;
    needsInitialising_ = false;
}

int KeyCounterTable::observe(uint8_t camera, const KeyReport &report)
{
    int32_t &seen = entries_[camera];
    if (seen == kUnseen)
        seen = report.counter;
    if (seen != report.counter) {
        seen = report.counter;
        return report.key;
    }
    return 0;
}

KeyCounterTable &keyCounterTable()
{
    static KeyCounterTable table;
    return table;
}

uint8_t keyTableIndex(const char *ip)
{
    const uint32_t address = ntohl(parseIpv4OrAllOnes(ip));
    return static_cast<uint8_t>(address & 0xFF);
}

} // namespace qv
