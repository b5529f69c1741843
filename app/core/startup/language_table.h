// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LANGUAGE_TABLE_H
#define CORVANE_LANGUAGE_TABLE_H

// The user-interface languages: index (as stored under
// "dev/softwarelanguage") to translation file relative to the program.
//
// Thread rules: pure functions, any thread.

#include <QString>

constexpr int kLanguageCount = 13;

// "language/language_en.qm" for 2, ...; empty for an index outside 0..12,
// which loads no translation so the source texts show.
QString languageFileFor(int index);

// The stored text as an index: base-10 integer, anything unparsable is 0.
int languageIndexFromSetting(const QString &stored);

#endif
