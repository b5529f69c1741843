// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATE_BAR_STYLES_H
#define CORVANE_ANNOTATE_BAR_STYLES_H

// The annotation bar's looks, each control's style sheet built for its own
// object name: panel grey with a blue border on hover; a chosen control
// (the pen width, the colour, a pressed text or eraser toggle) is white
// with the blue border. The size box is white.
//
// Thread rules: none (pure functions).

#include <QString>

extern const char kAnnotateBarPanelStyle[];
extern const char kAnnotateFontBoxStyle[];

QString annotateNormalStyle(const QString &objectName);
QString annotateChosenStyle(const QString &objectName);

#endif
