// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COM_BAR_STYLES_H
#define CORVANE_COM_BAR_STYLES_H

// The compare bar's looks, each button's style built for its own object
// name: normal (panel grey, white with a blue border on hover) and chosen
// (white with a blue border: the layout in use).
//
// Thread rules: none (pure functions).

#include <QString>

extern const char kComBarPanelStyle[];

QString comNormalStyle(const QString &objectName);
QString comChosenStyle(const QString &objectName);

#endif
