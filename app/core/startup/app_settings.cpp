// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/app_settings.h"

#include <QSettings>
#include <memory>

namespace {

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Telmora"),
                                       QStringLiteral("TelmoraCorvane"));
}

} // namespace

QString readSetting(const QString &key)
{
    return readSettingOr(key, QStringLiteral("0"));
}

QString readSettingOr(const QString &key, const QString &fallback)
{
    return openStore()->value(key, fallback).toString();
}

void writeSetting(const QString &key, const QString &value)
{
    openStore()->setValue(key, value); // the store is flushed when closed
}

void setSettingsFolderForTests(const QString &folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
