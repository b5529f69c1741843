// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resolution/resolution_labels.h"

QString resolutionLabel(const QSize &size)
{
    return QString::number(size.width()) + QStringLiteral(" x ")
           + QString::number(size.height());
}

QStringList resolutionLabels(const QVector<QSize> &sizes)
{
    QStringList labels;
    labels.reserve(sizes.size());
    for (const QSize &size : sizes)
        labels.append(resolutionLabel(size));
    return labels;
}

int matchingResolutionIndex(const QVector<QSize> &sizes, const QSize &frameSize,
                            int previous)
{
    int index = previous;
    for (int i = 0; i < sizes.size(); ++i) {
        if (sizes.at(i) == frameSize)
            index = i;
    }
    return index;
}

QSize sizeFromResolutionLabel(const QString &label)
{
    const QStringList parts = label.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSize();
    bool widthOk = false;
    bool heightOk = false;
    const int width = parts.at(0).trimmed().toInt(&widthOk, 10);
    const int height = parts.at(1).trimmed().toInt(&heightOk, 10);
    if (!widthOk || !heightOk)
        return QSize();
    return QSize(width, height);
}
