// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FILE_NAMING_H
#define CORVANE_FILE_NAMING_H

// Names of new photos and recordings:
//   <folder>/<start date>-<hh-mm-ss-zzz>.jpg|.avi
// where the folder is the chosen save folder, or the standard Pictures or
// Movies folder when none was chosen. A name that already exists gets a
// counter before the extension, so two files named in the same millisecond
// never overwrite each other.
//
// Thread rules: GUI thread only (reads the process values).

#include <QDateTime>
#include <QString>

QString makePhotoPath();
QString makeVideoPath();

// The same with the time and the folder values given, for tests.
QString makeFilePath(const QString &baseFolder, const QString &startDate,
                     const QTime &now, const QString &extension);

#endif
