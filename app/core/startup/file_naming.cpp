// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/file_naming.h"

#include "core/startup/process_values.h"

#include <QFileInfo>

namespace {

QString baseFolderFor(const QString &standardFolder)
{
    const QString &chosen = processValues().savePath;
    return chosen == QLatin1String("0") ? standardFolder : chosen;
}

} // namespace

QString makeFilePath(const QString &baseFolder, const QString &startDate,
                     const QTime &now, const QString &extension)
{
    const QString stem = baseFolder + QLatin1Char('/') + startDate + QLatin1Char('-')
                         + now.toString(QStringLiteral("hh-mm-ss-zzz"));
    QString path = stem + extension;
    for (int counter = 1; QFileInfo::exists(path); ++counter)
        path = stem + QLatin1Char('-') + QString::number(counter) + extension;
    return path;
}

QString makePhotoPath()
{
    return makeFilePath(baseFolderFor(processValues().picturesDir),
                        processValues().startDate, QTime::currentTime(),
                        QStringLiteral(".jpg"));
}

QString makeVideoPath()
{
    return makeFilePath(baseFolderFor(processValues().moviesDir),
                        processValues().startDate, QTime::currentTime(),
                        QStringLiteral(".avi"));
}
