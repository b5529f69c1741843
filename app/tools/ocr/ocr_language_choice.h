// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_LANGUAGE_CHOICE_H
#define CORVANE_OCR_LANGUAGE_CHOICE_H

// Which language the program reads text in: the one the person last chose
// (setting "ocr/language") while its trained data is installed, otherwise
// the one that fits the user-interface language (Simplified Chinese with
// English for the Chinese interface, English for the English one, English
// when the interface language has no trained data here).
//
// Thread rules: GUI thread only (the settings store).

#include <QString>
#include <QStringList>

namespace ocrchoice {

// Codes of the installed trained data, sorted, each Chinese, Japanese
// and Korean one followed by its pair with English ("chi_sim",
// "chi_sim+eng", "eng", ...).
QStringList installedLanguages();

// The language to read with; empty when no trained data is installed.
QString chosenLanguage();
void rememberLanguage(const QString &code);

// The language's own name for the list ("English", "简体中文",
// "简体中文 + English"), the code for languages without one.
QString displayName(const QString &code);

} // namespace ocrchoice

#endif
