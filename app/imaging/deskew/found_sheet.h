// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FOUND_SHEET_H
#define CORVANE_FOUND_SHEET_H

// A sheet of paper the detector found in the live picture, with what it
// was found in: the size of the frame (the live view decodes frames at a
// reduced scale) and the view (turns, mirrors and zoom move the sheet in
// the picture, so a sheet found under another view does not apply).

#include "imaging/detection/document_outline.h"
#include "imaging/transforms/view_state.h"

#include <QSize>

struct FoundSheet {
    DocumentOutline outline;
    QSize frameSize;
    ViewState view;
};

#endif
