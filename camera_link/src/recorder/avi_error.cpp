// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/avi_error.h"

namespace qv {

const char *aviErrorText(int code)
{
    static const char *const texts[] = {
        "avilib - No Error",
        "avilib - AVI file size limit reached",
        "avilib - Error opening AVI file",
        "avilib - Error reading from AVI file",
        "avilib - Error writing to AVI file",
        "avilib - Error writing index (file may still be useable)",
        "avilib - Error closing AVI file",
        "avilib - Operation (read/write) not permitted",
        "avilib - Out of memory (malloc failed)",
        "avilib - Not an AVI file",
        "avilib - AVI file has no header list (corrupted?)",
        "avilib - AVI file has no MOVI list (corrupted?)",
        "avilib - AVI file has no video data",
        "avilib - operation needs an index",
        "avilib - Unkown Error",
    };
    constexpr int count = static_cast<int>(sizeof texts / sizeof texts[0]);
    if (code < 0 || code >= count)
        code = kAviUnknown;
    return texts[code];
}

} // namespace qv
