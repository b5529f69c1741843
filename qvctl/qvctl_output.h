// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QVCTL_OUTPUT_H
#define QVCTL_OUTPUT_H

// Where qvctl writes. Scripts parse its standard output, so that carries
// qvctl's own answers only; the library prints its diagnostics with printf
// on standard output by design, and those are sent to standard error
// instead. separateLibraryDiagnostics() does the switch once, at start:
// afterwards answers() is the original standard output and the process's
// stdout (fd 1) is standard error.

#include <cstdio>

namespace qvctl {

// Call once before any library call. If the switch is impossible (no file
// descriptor left) everything stays on standard output.
void separateLibraryDiagnostics();

// The stream for qvctl's answers and its --help text.
std::FILE *answers();

} // namespace qvctl

#endif
