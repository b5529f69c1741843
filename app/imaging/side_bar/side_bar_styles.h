// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SIDE_BAR_STYLES_H
#define CORVANE_SIDE_BAR_STYLES_H

// The side bar's looks, each button's style sheet built for its own object
// name: panel grey, white on hover (the resolution button with a 2-pixel
// hover border); a pressed toggle is white with a blue border.
//
// Thread rules: none (pure functions).

#include <QString>

extern const char kSideBarStyle[];

QString sideNormalStyle(const QString &objectName);
QString sidePressedStyle(const QString &objectName);

#endif
