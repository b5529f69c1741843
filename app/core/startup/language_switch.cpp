// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/language_switch.h"

#include "core/startup/app_settings.h"
#include "core/startup/language_folders.h"
#include "core/startup/language_table.h"
#include "core/startup/process_values.h"

#include <QCoreApplication>
#include <QTranslator>

LanguageSwitch::LanguageSwitch(QTranslator &translator, QStringList folders)
    : translator_(translator), folders_(std::move(folders))
{
}

LanguageSwitch &LanguageSwitch::program()
{
    static LanguageSwitch programSwitch(languageTranslator(),
                                        languageFolders(QCoreApplication::applicationDirPath()));
    return programSwitch;
}

bool LanguageSwitch::switchTo(int languageIndex)
{
    QCoreApplication::removeTranslator(&translator_);
    const QString file = languageFileFor(languageIndex);
    // load() empties the translator first, whatever it then finds.
    bool loaded = false;
    for (int i = 0; !loaded && !file.isEmpty() && i < folders_.size(); ++i)
        loaded = translator_.load(file, folders_.at(i));
    if (loaded)
        QCoreApplication::installTranslator(&translator_);
    return loaded;
}

bool LanguageSwitch::switchToStored()
{
    return switchTo(languageIndexFromSetting(readSetting(QStringLiteral("dev/softwarelanguage"))));
}
