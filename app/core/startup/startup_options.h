// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_STARTUP_OPTIONS_H
#define CORVANE_STARTUP_OPTIONS_H

// Command-line options of the program:
//   --camera ADDRESS     start the live view for that camera at once, as
//                        route mode would, without storing the address
//   --screenshot FILE    save a picture of the screen just before quitting
//   --quit-after SECONDS quit on its own after that many seconds
// Other words (a file a desktop hands over with "open with") are not
// options: they are collected so the program can say it ignores them.
//
// Thread rules: GUI thread, before the main window exists.

#include <QString>
#include <QStringList>

struct StartupOptions {
    QString camera;
    QString screenshotPath;
    double quitAfterSeconds = 0; // 0 = run until closed
    QStringList ignoredArguments;
    bool valid = true;
    QString error;
};

StartupOptions parseStartupOptions(const QStringList &arguments);

#endif
