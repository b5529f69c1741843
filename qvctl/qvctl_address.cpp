// SPDX-License-Identifier: GPL-3.0-or-later

#include "qvctl_address.h"

#include <arpa/inet.h>

namespace qvctl {

bool isDottedIPv4(const std::string &text)
{
    // inet_pton takes exactly four decimal numbers 0..255, no short forms.
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

} // namespace qvctl
