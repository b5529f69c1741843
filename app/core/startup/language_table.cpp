// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/language_table.h"

namespace {

const char *const kLanguageFiles[kLanguageCount] = {
    "language/language_cn_j.qm",    "language/language_cn_f.qm",
    "language/language_en.qm",      "language/language_fa.qm",
    "language/language_de.qm",      "language/language_xibanya.qm",
    "language/language_putaoya.qm", "language/language_e.qm",
    "language/language_yidali.qm",  "language/language_xila.qm",
    "language/language_ri.qm",      "language/language_han.qm",
    "language/language_tai.qm",
};

} // namespace

QString languageFileFor(int index)
{
    if (index < 0 || index >= kLanguageCount)
        return QString();
    return QString::fromLatin1(kLanguageFiles[index]);
}

int languageIndexFromSetting(const QString &stored)
{
    bool ok = false;
    int index = stored.toInt(&ok, 10);
    return ok ? index : 0;
}
