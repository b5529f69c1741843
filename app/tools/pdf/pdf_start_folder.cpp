// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/pdf_start_folder.h"

#include "core/startup/process_values.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString pdfStartFolder(const QString &confIniPath, const QString &savePath,
                       const QString &picturesDir, const QDate &today)
{
    if (QFileInfo::exists(confIniPath)) {
        const QSettings conf(confIniPath, QSettings::IniFormat);
        const QString base = conf.value(QStringLiteral("dev/savePath")).toString();
        if (!base.isEmpty()) {
            const QString dated = base + QStringLiteral("/corvane/")
                                  + today.toString(QStringLiteral("yyyyMMdd"));
            if (QFileInfo(dated).isDir())
                return dated;
        }
    }
    if (savePath != QLatin1String("0") && !savePath.isEmpty() && QFileInfo(savePath).isDir())
        return savePath;
    return picturesDir;
}

QString pdfStartFolder()
{
    const ProcessValues &values = processValues();
    const QString folder = pdfStartFolder(QStringLiteral("./conf.ini"), values.savePath,
                                          values.picturesDir, QDate::currentDate());
    // A desktop without a Pictures folder: the home folder, not wherever
    // the program happened to be started.
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
