// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MESSAGE_BOX_PRESENTER_H
#define CORVANE_MESSAGE_BOX_PRESENTER_H

// Every information and warning box of the camera set-up windows goes
// through here: a modal QMessageBox with one OK button, exactly what
// QMessageBox::information / ::warning would show. Tests install a watcher
// that sees each box just before it runs, so they can read it and close it
// instead of hanging on a modal loop.
//
// Thread rules: GUI thread only.

#include <QMessageBox>
#include <functional>

class MessageBoxPresenter {
public:
    using Watcher = std::function<void(QMessageBox &box)>;

    static void information(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);

    // Pass an empty function to remove the watcher.
    static void setWatcherForTests(Watcher watcher);

private:
    static void show(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                     const QString &text);
};

#endif
