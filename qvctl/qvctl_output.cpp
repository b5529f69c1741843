// SPDX-License-Identifier: GPL-3.0-or-later

#include "qvctl_output.h"

#include <unistd.h>

namespace qvctl {

namespace {
std::FILE *answerStream = nullptr;
} // namespace

void separateLibraryDiagnostics()
{
    std::fflush(stdout);
    const int original = dup(STDOUT_FILENO);
    if (original < 0)
        return;
    std::FILE *stream = fdopen(original, "w");
    if (!stream || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        if (stream)
            std::fclose(stream);
        else
            close(original);
        return;
    }
    // Diagnostics and qvctl's errors interleave on standard error as they
    // happen.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    answerStream = stream;
}

std::FILE *answers()
{
    return answerStream ? answerStream : stdout;
}

} // namespace qvctl
