#ifndef CORVANE_APPLICATION_SETUP_H
#define CORVANE_APPLICATION_SETUP_H

// Start-up steps that run before the main window exists.
//
// Thread rules: GUI thread only, after the QApplication is constructed.

#include <QString>

class QTranslator;

// Registers the first font found under :/static/font/ and makes its first
// family the application font. Returns that family, or an empty text when no
// font could be loaded (the default font then stays).
QString useEmbeddedFont();

// Loads the language stored under "dev/softwarelanguage" from the folder
// "language" beside the program into the translator and installs it whatever
// the outcome of the load. Returns whether a translation was loaded.
bool installStoredLanguage(QTranslator &translator);

#endif
