// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_APPLICATION_SETUP_H
#define CORVANE_APPLICATION_SETUP_H

// Start-up steps that run before the main window exists.
//
// Thread rules: GUI thread only, after the QApplication is constructed.

#include <QString>

// Registers every font under :/static/font/ and makes the first family of
// ui_font.ttf (or, if that cannot be loaded, of the first font that can) the
// application font; the other fonts' families become its substitutes, which
// Qt draws from for the characters it lacks. Returns the application font's
// family, or an empty text when no font could be loaded (the default font
// then stays).
QString useEmbeddedFont();

#endif
