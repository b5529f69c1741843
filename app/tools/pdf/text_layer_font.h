// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEXT_LAYER_FONT_H
#define CORVANE_TEXT_LAYER_FONT_H

// The font of searchable PDFs' text layers: the program's own font (Latin,
// Greek, Cyrillic and the Chinese characters of both scripts), which lives
// in the compiled-in resources. libharu loads fonts from files only, so it
// is copied once into a temporary file that stays until the program ends.
//
// Thread rules: GUI thread (first call); the path may then be used from
// any thread.

#include <QString>

// Empty when the copy could not be made.
QString textLayerFontFile();

#endif
