// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/ocr_language_choice.h"

#include "core/startup/app_settings.h"
#include "core/startup/language_table.h"
#include "imaging/ocr/ocr_languages.h"

namespace ocrchoice {

namespace {

const QString kSettingKey = QStringLiteral("ocr/language");

std::vector<std::string> installedCodes()
{
    return ocr::installedLanguages(ocr::trainedDataFolder());
}

} // namespace

QStringList installedLanguages()
{
    QStringList codes;
    for (const std::string &code : ocr::offeredLanguages(installedCodes()))
        codes << QString::fromStdString(code);
    return codes;
}

QString chosenLanguage()
{
    const std::vector<std::string> installed = installedCodes();
    const QString remembered = readSettingOr(kSettingKey, QString());
    if (ocr::isInstalledLanguage(remembered.toStdString(), installed))
        return remembered;
    const int interfaceLanguage =
        languageIndexFromSetting(readSetting(QStringLiteral("dev/softwarelanguage")));
    return QString::fromStdString(ocr::languageForInterface(interfaceLanguage, installed));
}

void rememberLanguage(const QString &code)
{
    writeSetting(kSettingKey, code);
}

QString displayName(const QString &code)
{
    if (code.contains(QLatin1Char('+'))) {
        QStringList names;
        for (const QString &part : code.split(QLatin1Char('+')))
            names << displayName(part);
        return names.join(QStringLiteral(" + "));
    }
    static const struct {
        const char *code;
        const char *name;
    } names[] = {{"chi_sim", "简体中文"}, {"chi_tra", "繁體中文"}, {"eng", "English"},
                 {"fra", "Français"},   {"deu", "Deutsch"},     {"spa", "Español"},
                 {"por", "Português"},  {"rus", "Русский"},     {"ita", "Italiano"},
                 {"ell", "Ελληνικά"},   {"jpn", "日本語"},      {"kor", "한국어"},
                 {"tha", "ไทย"}};
    for (const auto &entry : names)
        if (code == QLatin1String(entry.code))
            return QString::fromUtf8(entry.name);
    return code;
}

} // namespace ocrchoice
