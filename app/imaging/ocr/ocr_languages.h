// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_LANGUAGES_H
#define CORVANE_OCR_LANGUAGES_H

// Which recognition languages this machine offers: the trained data files
// ("eng.traineddata", "chi_sim.traineddata", ...) in Tesseract's data folder,
// and the one that fits the user-interface language.
//
// Thread rules: pure functions over the file system; any thread.

#include <string>
#include <vector>

namespace ocr {

// The folder with the trained data: $TESSDATA_PREFIX when it holds any,
// else the first of Debian's and the usual install folders that does.
// Empty when none is found.
std::string trainedDataFolder();

// The languages of the folder's "<code>.traineddata" files, sorted; the
// orientation and equation models ("osd", "equ") are no languages to read.
std::vector<std::string> installedLanguages(const std::string &folder);

// The language for the interface language `index` (the settings' index:
// 0 Simplified Chinese, 1 Traditional Chinese, 2 English, 3 French, 4 German,
// 5 Spanish, 6 Portuguese, 7 Russian, 8 Italian, 9 Greek, 10 Japanese,
// 11 Korean, 12 Thai) when it is installed; otherwise English when
// installed, otherwise the first installed one; empty when none is.
// Chinese, Japanese and Korean come paired with English when both are
// installed ("chi_sim+eng"): pages in those languages carry English words,
// which the pair reads as well as English alone does, and Chinese nearly
// as well as Chinese alone (bench_ocr).
std::string languageForInterface(int index, const std::vector<std::string> &installed);

// The installed languages and, for Chinese, Japanese and Korean, their
// pairs with English, as languageForInterface() may choose them.
std::vector<std::string> offeredLanguages(const std::vector<std::string> &installed);

// True for a code that can name trained data: letters, digits and '_',
// joined by '+' for several ("chi_sim+eng"), each part installed.
bool isInstalledLanguage(const std::string &code, const std::vector<std::string> &installed);

} // namespace ocr

#endif
