// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_REPLACEMENT_FILE_H
#define CORVANE_REPLACEMENT_FILE_H

// A new file is written under a temporary name in the folder of its final
// name and only renamed to that name once it is complete, so a write that
// fails half way never leaves a broken file under the chosen name, nor
// destroys the file that was there. The temporary file is removed unless
// commit() succeeded.
//
// Thread rules: a plain value, one thread.

#include <QString>
#include <QTemporaryFile>

class ReplacementFile {
public:
    explicit ReplacementFile(const QString &finalPath);

    // Creates the empty temporary file; false when the folder does not
    // exist or cannot be written.
    bool create();
    QString temporaryPath() const { return temporary_.fileName(); }

    // Gives the file the permissions of the file it replaces (read-write
    // for the owner, readable for all when there is none) and renames it
    // to the final name, replacing that file in one step.
    bool commit();

private:
    QString finalPath_;
    QTemporaryFile temporary_;
};

#endif
