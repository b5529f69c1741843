// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/button_caption.h"

QString buttonCaption(const QString &name, const QKeySequence &shortcut,
                      const QString &unavailableNote)
{
    QString text = name;
    if (!shortcut.isEmpty())
        text += QStringLiteral("  (%1)").arg(shortcut.toString(QKeySequence::NativeText));
    if (!unavailableNote.isEmpty())
        text += QLatin1Char('\n') + unavailableNote;
    return text;
}
