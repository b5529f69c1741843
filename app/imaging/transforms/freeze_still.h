// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FREEZE_STILL_H
#define CORVANE_FREEZE_STILL_H

// The picture the live page shows while frozen: the frame of the moment of
// freezing. It is kept in memory and also written to the still file (a JPEG
// in the program's temporary folder).
//
// The screen shows the picture kept in memory, not the file read back: the
// file outlives the run, so when writing it fails (full disk, no frame yet)
// reading it would show a stale picture of an earlier freeze or run.
//
// Thread rules: GUI thread only.

#include <QImage>
#include <QString>

class FreezeStill {
public:
    explicit FreezeStill(QString path);

    // Keeps `frame` and writes it to the still file; returns whether the
    // file was written (a null frame writes nothing).
    bool capture(const QImage &frame);
    void release();

    const QImage &picture() const { return picture_; }
    const QString &path() const { return path_; }

private:
    QString path_;
    QImage picture_;
};

#endif
