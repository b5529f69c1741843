// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/camera_address.h"

#include <QRegularExpression>
#include <QStringList>

QString cameraAddressFrom(const QString &typed)
{
    static const QRegularExpression dotted(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch match = dotted.match(typed.trimmed());
    if (!match.hasMatch())
        return QString();
    QStringList parts;
    for (int i = 1; i <= 4; ++i) {
        const int number = match.captured(i).toInt();
        if (number > 255)
            return QString();
        parts << QString::number(number);
    }
    return parts.join(QLatin1Char('.'));
}
