// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/private_temp_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool isPrivateFolder(const QString &path)
{
#if defined(Q_OS_UNIX)
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
#else
    return QDir(path).exists();
#endif
}

QString privateTempFolder()
{
    static const QString folder = [] {
        const QString base = QDir::tempPath();
#if defined(Q_OS_UNIX)
        const QString usual = base + QStringLiteral("/corvane-%1").arg(geteuid());
        const QByteArray usualBytes = QFile::encodeName(usual);
        if (mkdir(usualBytes.constData(), 0700) == 0 || errno == EEXIST) {
            if (isPrivateFolder(usual))
                return usual;
        }
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/corvane-XXXXXX"));
        if (mkdtemp(pattern.data()))
            return QFile::decodeName(pattern);
        return usual; // nothing better to offer; writes there will fail safely
#else
        const QString usual = base + QStringLiteral("/corvane");
        QDir().mkpath(usual);
        return usual;
#endif
    }();
    return folder;
}
