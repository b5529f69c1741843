// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CORVANE_LANGUAGE_FOLDERS_H
#define CORVANE_LANGUAGE_FOLDERS_H

// Where the program looks for its translation files ("language/..." below
// each folder, in this order):
//   1. the program's own folder: the build tree, and a program unpacked
//      into one folder with its language/ beside it;
//   2. the program's installed data folder, found from the program's folder
//      (<prefix>/bin -> <prefix>/share/corvane), so an installation works
//      under any prefix and can be moved as a whole.
//
// Thread rules: pure function, any thread.

#include <QStringList>

QStringList languageFolders(const QString &programFolder);

#endif
