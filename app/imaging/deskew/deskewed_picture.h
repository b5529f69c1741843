// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DESKEWED_PICTURE_H
#define CORVANE_DESKEWED_PICTURE_H

// The photo of a found sheet: the picture turned by minus the sheet's tilt
// and cut to the sheet's box (straightenedCutOut), from a picture of the
// same view as the one the sheet was found in but of any size. Photos are
// taken from the camera's full-resolution frame while the sheet was found
// in the smaller frame the screen shows, so the outline is first carried
// over to the picture's size.
//
// Thread rules: none (pure functions).

#include "imaging/deskew/found_sheet.h"

#include <QImage>

// The outline as it lies in a picture of size `to`, found in one of size
// `from`: corners scaled per axis, the same tilt, the box recomputed for
// the larger canvas.
DocumentOutline outlineForSize(const DocumentOutline &outline, const QSize &from, const QSize &to);

// A null picture when the picture is null or the outline leaves nothing.
QImage deskewedPicture(const QImage &picture, const FoundSheet &sheet);

#endif
