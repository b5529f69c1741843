// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BUTTON_CAPTION_H
#define CORVANE_BUTTON_CAPTION_H

// The text of a panel button's hover caption: the button's translated name,
// its keyboard shortcut in brackets when it has one, and on a second line
// the note that the tool is not available yet when the button is disabled.
//
// Thread rules: none (a pure function).

#include <QKeySequence>
#include <QString>

QString buttonCaption(const QString &name, const QKeySequence &shortcut,
                      const QString &unavailableNote);

#endif
