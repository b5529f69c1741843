// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PRIVATE_TEMP_FOLDER_H
#define CORVANE_PRIVATE_TEMP_FOLDER_H

#include <QString>

// A folder under the system's temp folder that only the current user can
// enter (mode 0700, owned by the user, not a link), created on first use.
// If the usual name is taken by something unsafe a fresh unique folder is
// made instead.
//
// Thread rules: any thread; the folder is chosen once, by the first call
// (a function-local static, so concurrent first calls are safe).
QString privateTempFolder();

// The same check for any path: a real directory owned by this user that no
// one else can read, write or enter.
bool isPrivateFolder(const QString &path);

#endif
