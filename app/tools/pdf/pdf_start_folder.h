// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PDF_START_FOLDER_H
#define CORVANE_PDF_START_FOLDER_H

// The folder both file dialogs of the PDF composer open in. A read-only
// "conf.ini" in the working folder may name a base folder ("dev/savePath");
// then the dialogs start in <base>/corvane/<today, yyyyMMdd>. Where that
// is not set, or that folder does not exist, they start in the save folder
// of the settings ("0" = none chosen), and else in the Pictures folder (the
// home folder where there is none). Nothing is created.
//
// Thread rules: GUI thread (reads the process values).

#include <QDate>
#include <QString>

// The rule above with every input given, for tests.
QString pdfStartFolder(const QString &confIniPath, const QString &savePath,
                       const QString &picturesDir, const QDate &today);

// The rule with "./conf.ini", the current save folder and today's date.
QString pdfStartFolder();

#endif
