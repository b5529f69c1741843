// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LANGUAGE_SWITCH_H
#define CORVANE_LANGUAGE_SWITCH_H

// Switches the user-interface language with one translator. Every switch
// takes the translator out, reloads it from the language table's file and
// puts it back only when the file loaded, so no earlier language stays
// behind: a language without a file shows the source texts, and French
// after Chinese is French (or the source texts), never what was installed at
// start. Removing and installing each make Qt send LanguageChange to every
// widget, which retranslates the forms.
//
// Thread rules: GUI thread only.

#include <QStringList>

class QTranslator;

class LanguageSwitch {
public:
    // The files are looked up relative to each folder in turn; the first
    // folder that has the language's file wins.
    LanguageSwitch(QTranslator &translator, QStringList folders);

    // The program's switch, on languageTranslator() and the folders of
    // languageFolders() (beside the program, then its data folder).
    static LanguageSwitch &program();

    // Whether a translation was loaded (false: the source texts show).
    bool switchTo(int languageIndex);
    // The index stored under "dev/softwarelanguage".
    bool switchToStored();

private:
    QTranslator &translator_;
    QStringList folders_;
};

#endif
