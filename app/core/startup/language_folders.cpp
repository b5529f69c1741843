// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/startup/language_folders.h"

#include <QDir>

// The data folder relative to the program folder, from the install layout
// the build was configured with (GNUInstallDirs).
#ifndef CORVANE_DATA_FROM_PROGRAM
#define CORVANE_DATA_FROM_PROGRAM "../share/corvane"
#endif

QStringList languageFolders(const QString &programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(CORVANE_DATA_FROM_PROGRAM));
    QStringList folders{programFolder};
    if (installed != QDir::cleanPath(programFolder))
        folders << installed;
    return folders;
}
