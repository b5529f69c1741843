// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_APP_SETTINGS_H
#define CORVANE_APP_SETTINGS_H

// The per-user settings store (INI, organisation "Telmora", application
// "TelmoraCorvane"). Every access opens and closes the store, so a value
// written by one window is what the next read anywhere sees. Values are
// strings; "0" is the default of readSetting.
//
// Thread rules: GUI thread only.

#include <QString>

QString readSetting(const QString &key);
QString readSettingOr(const QString &key, const QString &fallback);
void writeSetting(const QString &key, const QString &value);

// Tests point the store at a folder of their own so they never touch the
// user's real settings.
void setSettingsFolderForTests(const QString &folder);

#endif
