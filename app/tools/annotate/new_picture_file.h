// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_NEW_PICTURE_FILE_H
#define CORVANE_NEW_PICTURE_FILE_H

// Writes a picture to a file that does not exist yet, and never to one that
// does: the picture is encoded in memory, written to a temporary file in
// the target folder and then renamed to its name without replacing
// anything. So a name taken in the meantime fails instead of being
// overwritten, and a failed write leaves no half-written file under the
// name. The folder is created when it is missing.
//
// Thread rules: any thread; the caller owns the picture and the name.

#include <QImage>
#include <QString>

struct NewPictureResult {
    bool saved = false;
    QString error; // why not, for the user; empty when saved
};

// `format` as QImageWriter knows it ("jpg", "png"); `quality` -1 is the
// writer's default.
NewPictureResult writeNewPictureFile(const QImage &picture, const QString &path,
                                     const char *format, int quality = -1);

#endif
