#include "core/startup/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

QString useEmbeddedFont()
{
    const QDir fonts(QStringLiteral(":/static/font"));
    const QStringList files = fonts.entryList(QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(file));
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            continue;
        QFont font;
        font.setFamily(families.first());
        QApplication::setFont(font);
        return families.first();
    }
    return QString();
}
