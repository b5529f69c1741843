// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace {

const char kFontFolder[] = ":/static/font";
const char kMainFont[] = "ui_font.ttf";

QString registerFont(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return QString();
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

} // namespace

QString useEmbeddedFont()
{
    const QDir fonts(QString::fromLatin1(kFontFolder));
    QStringList files = fonts.entryList(QDir::Files, QDir::Name);
    if (files.removeOne(QString::fromLatin1(kMainFont)))
        files.prepend(QString::fromLatin1(kMainFont));

    QString main;
    QStringList fillIns;
    for (const QString &file : files) {
        const QString family = registerFont(fonts.filePath(file));
        if (family.isEmpty())
            continue;
        if (main.isEmpty())
            main = family;
        else if (family != main && !fillIns.contains(family))
            fillIns << family;
    }
    if (main.isEmpty())
        return QString();
    // Qt tries a family's substitutes before the system's fallback fonts, so
    // a script the main face lacks (Thai) is drawn from the face embedded for
    // it on every machine, not from whatever the system has, or as boxes.
    QFont::insertSubstitutions(main, fillIns);
    QFont font;
    font.setFamily(main);
    QApplication::setFont(font);
    return main;
}
