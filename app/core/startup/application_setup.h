#ifndef CORVANE_APPLICATION_SETUP_H
#define CORVANE_APPLICATION_SETUP_H

// Start-up steps that run before the main window exists.
//
// Thread rules: GUI thread only, after the QApplication is constructed.

#include <QString>

// Registers the first font found under :/static/font/ and makes its first
// family the application font. Returns that family, or an empty text when no
// font could be loaded (the default font then stays).
QString useEmbeddedFont();

#endif
