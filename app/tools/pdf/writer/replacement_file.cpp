// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/replacement_file.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

ReplacementFile::ReplacementFile(const QString &finalPath)
    : finalPath_(finalPath),
      temporary_(QFileInfo(finalPath).absolutePath() + QLatin1String("/.")
                 + QFileInfo(finalPath).fileName() + QLatin1String(".XXXXXX"))
{
}

bool ReplacementFile::create()
{
    if (!temporary_.open())
        return false;
    // The writer opens the file by name itself; the name stays reserved
    // until this object removes or renames it.
    temporary_.close();
    return true;
}

bool ReplacementFile::commit()
{
    const QFileInfo existing(finalPath_);
    const QFileDevice::Permissions permissions =
        existing.exists() ? existing.permissions()
                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(temporary_.fileName(), permissions);
    // rename(2) replaces an existing file atomically; QFile::rename would
    // refuse to.
    if (std::rename(QFile::encodeName(temporary_.fileName()).constData(),
                    QFile::encodeName(finalPath_).constData())
        != 0)
        return false;
    temporary_.setAutoRemove(false);
    return true;
}
