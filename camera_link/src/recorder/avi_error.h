// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_AVI_ERROR_H
#define QV_AVI_ERROR_H

// Error codes of the AVI writer. The writer itself sets only kSizeLimit,
// kOpen, kWrite, kWriteIndex, kClose and kOutOfMemory; the others complete
// the table so every code has its text.

namespace qv {

enum AviError : int {
    kAviNoError = 0,
    kAviSizeLimit = 1,
    kAviOpen = 2,
    kAviRead = 3,
    kAviWrite = 4,
    kAviWriteIndex = 5,
    kAviClose = 6,
    kAviNotPermitted = 7,
    kAviOutOfMemory = 8,
    kAviNotAvi = 9,
    kAviNoHeaderList = 10,
    kAviNoMovieList = 11,
    kAviNoVideo = 12,
    kAviNeedsIndex = 13,
    kAviUnknown = 14,
};

// The text of an error code; codes outside the table get the text of
// kAviUnknown.
const char *aviErrorText(int code);

} // namespace qv

#endif
