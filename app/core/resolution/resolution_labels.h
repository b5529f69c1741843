// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RESOLUTION_LABELS_H
#define CORVANE_RESOLUTION_LABELS_H

// The texts of the resolution menu and the rules that connect them to
// picture sizes.
//
// Thread rules: pure functions, any thread.

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// "1920 x 1080".
QString resolutionLabel(const QSize &size);
QStringList resolutionLabels(const QVector<QSize> &sizes);

// The index of the entry equal to the shown frame's size; the last one
// wins when several match, and `previous` stays when none does (a frame
// turned by a quarter has width and height swapped and matches nothing).
int matchingResolutionIndex(const QVector<QSize> &sizes, const QSize &frameSize,
                            int previous);

// Back from a label: the parts either side of the "x", blanks ignored.
// An invalid QSize when the text is not of that form.
QSize sizeFromResolutionLabel(const QString &label);

#endif
