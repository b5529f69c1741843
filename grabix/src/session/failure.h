// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_FAILURE_H
#define GRABIX_FAILURE_H

// What went wrong with a recording: one of the GRABIX_ERR_ codes of the
// public header and the details for the diagnostic line.

#include "grabix.h"

#include <string>

namespace grabix {

struct Failure {
    int code = GRABIX_OK;
    std::string detail;

    bool failed() const { return code != GRABIX_OK; }
};

// Prints "grabix: <detail>" on standard error.
void report(const Failure &failure);

} // namespace grabix

#endif
