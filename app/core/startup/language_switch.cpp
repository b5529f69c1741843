#include "core/startup/language_switch.h"

#include "core/startup/app_settings.h"
#include "core/startup/language_table.h"
#include "core/startup/process_values.h"

#include <QCoreApplication>
#include <QTranslator>

LanguageSwitch::LanguageSwitch(QTranslator &translator, QString folder)
    : translator_(translator), folder_(std::move(folder))
{
}

LanguageSwitch &LanguageSwitch::program()
{
    static LanguageSwitch programSwitch(languageTranslator(),
                                        QCoreApplication::applicationDirPath());
    return programSwitch;
}

bool LanguageSwitch::switchTo(int languageIndex)
{
    QCoreApplication::removeTranslator(&translator_);
    const QString file = languageFileFor(languageIndex);
    // load() empties the translator first, whatever it then finds.
    const bool loaded = !file.isEmpty() && translator_.load(file, folder_);
    if (loaded)
        QCoreApplication::installTranslator(&translator_);
    return loaded;
}

bool LanguageSwitch::switchToStored()
{
    return switchTo(languageIndexFromSetting(readSetting(QStringLiteral("dev/softwarelanguage"))));
}
