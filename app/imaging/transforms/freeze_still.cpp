// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/freeze_still.h"

#include <QSaveFile>

FreezeStill::FreezeStill(QString path) : path_(std::move(path)) {}

bool FreezeStill::capture(const QImage &frame)
{
    picture_ = frame;
    if (frame.isNull() || path_.isEmpty())
        return false;
    // Written beside and renamed into place: a failed write leaves the
    // previous still whole instead of half a JPEG.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!frame.save(&file, "JPG"))
        return false;
    return file.commit();
}

void FreezeStill::release()
{
    picture_ = QImage();
}
