// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/nmcli_network_parser.h"

#include <QSet>

QString unescapeNmcliField(const QString &field)
{
    QString plain;
    plain.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == QLatin1Char('\\') && i + 1 < field.size())
            ++i;
        plain.append(field.at(i));
    }
    return plain;
}

QStringList parseNmcliNetworks(const QString &output)
{
    QStringList names;
    QSet<QString> seen;
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString name = unescapeNmcliField(line);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        names.append(name);
    }
    return names;
}
