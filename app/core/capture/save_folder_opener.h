// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SAVE_FOLDER_OPENER_H
#define CORVANE_SAVE_FOLDER_OPENER_H

// Opens the folder photos are saved to in the desktop's file manager: the
// chosen save folder, or the Pictures folder while none is chosen ("0").
// A folder that does not exist (yet, or any more) is created first, so the
// button never silently does nothing.
//
// Thread rules: GUI thread only.

#include <QString>
#include <QUrl>

#include <functional>

class SaveFolderOpener {
public:
    // Hands a URL to the desktop; QDesktopServices::openUrl in the program.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit SaveFolderOpener(UrlOpener opener = UrlOpener());

    // What the program's openers use when built without one; tests keep
    // file managers from opening.
    static void setDefaultOpenerForTests(UrlOpener opener);

    // The folder the button opens now.
    static QString folder();
    // Creates the folder if needed and opens it; false when either fails.
    bool open() const;

private:
    UrlOpener opener_;
};

#endif
