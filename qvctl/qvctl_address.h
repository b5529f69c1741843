// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QVCTL_ADDRESS_H
#define QVCTL_ADDRESS_H

// The addresses qvctl takes (--camera, --broadcast) are dotted IPv4
// addresses; anything else is a bad value, refused before anything is sent.

#include <string>

namespace qvctl {

bool isDottedIPv4(const std::string &text);

} // namespace qvctl

#endif
