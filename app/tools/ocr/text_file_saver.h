// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEXT_FILE_SAVER_H
#define CORVANE_TEXT_FILE_SAVER_H

// Saves recognised text as a UTF-8 text file. The file is written under a
// temporary name and renamed when complete (QSaveFile), so a failed write
// neither leaves a broken file nor destroys the file it was to replace; an
// existing file is replaced only after the person agreed (the save dialog
// asks, and ".txt" added to a bare name is asked about here).
//
// Thread rules: GUI thread only.

#include <QString>

#include <functional>

class QWidget;

class TextFileSaver {
public:
    // The file the person chose; empty on cancel. The default is Qt's save
    // dialog, which asks before it names an existing file.
    using FileChooser =
        std::function<QString(QWidget *parent, const QString &caption, const QString &suggested)>;
    // Whether an existing file may be replaced.
    using ReplaceQuestion = std::function<bool(QWidget *parent, const QString &question)>;

    struct Result {
        enum Status { Saved, Cancelled, Failed } status = Cancelled;
        QString path;   // the file written (Saved) or tried (Failed)
        QString reason; // why it failed, for the person
    };

    explicit TextFileSaver(FileChooser chooser = FileChooser(),
                           ReplaceQuestion mayReplace = ReplaceQuestion());

    // Asks for the file, proposing `suggested` (a path), and writes the
    // text into it.
    Result save(QWidget *parent, const QString &text, const QString &suggested) const;

    // Writes the text to the path, replacing a file there in one step.
    static Result writeTo(const QString &path, const QString &text);

private:
    FileChooser chooser_;
    ReplaceQuestion mayReplace_;
};

#endif
