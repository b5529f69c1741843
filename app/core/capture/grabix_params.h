// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_GRABIX_PARAMS_H
#define CORVANE_GRABIX_PARAMS_H

// The parameter block a screen recording hands to grabix: the output path
// in the file system's 8-bit encoding, NUL-terminated inside its 260-byte
// field, sound on or off, 20 frames per second, the rectangle, kind 4.
//
// A path longer than 259 bytes does not fit with its terminator: it is
// refused rather than cut, since a cut name would record into another file.
// Nothing is ever written past the field.
//
// Thread rules: none (a pure function).

#include "grabix.h"

#include <QByteArray>
#include <QRect>

constexpr int kGrabixPathBytes = int(sizeof(GrabixParams::path)) - 1;
constexpr int kGrabixFrameRate = 20;
constexpr int kGrabixKind = 4;

// False, with the block untouched, when the path is empty or too long.
bool fillGrabixParams(GrabixParams *params, const QByteArray &localPath, bool audio, const QRect &area);

#endif
