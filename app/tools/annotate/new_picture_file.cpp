// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/new_picture_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NewPictureFile)
};

NewPictureResult failed(const QString &error)
{
    NewPictureResult result;
    result.error = error;
    return result;
}

} // namespace

NewPictureResult writeNewPictureFile(const QImage &picture, const QString &path,
                                     const char *format, int quality)
{
    if (picture.isNull())
        return failed(Texts::tr("there is no picture to save"));
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        return failed(Texts::tr("%1 already exists").arg(path));
    if (!QDir().mkpath(target.absolutePath()))
        return failed(Texts::tr("the folder %1 cannot be created").arg(target.absolutePath()));

    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(picture))
        return failed(writer.errorString());

    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.corvane-XXXXXX.part"));
    if (!temporary.open())
        return failed(temporary.errorString());
    // Temporary files are private; a saved picture is readable like any
    // other file the user makes.
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                             | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (temporary.write(encoded) != encoded.size() || !temporary.flush())
        return failed(temporary.errorString());
    // Renaming a temporary file never replaces an existing one: if the name
    // was taken after the check above, the rename fails and the temporary
    // file goes away with this object.
    if (!temporary.rename(path))
        return failed(QFileInfo::exists(path) ? Texts::tr("%1 already exists").arg(path)
                                              : temporary.errorString());
    temporary.setAutoRemove(false);
    NewPictureResult result;
    result.saved = true;
    return result;
}
