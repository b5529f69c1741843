// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TOOL_BAR_STYLES_H
#define CORVANE_TOOL_BAR_STYLES_H

// The tool bar's looks: each button's style sheet is built for its own
// object name. Normal: transparent with a panel-grey border, white on
// hover; chosen (a toggle tool that is on): white with a blue border; the
// photo button turns white after a photo.
//
// Thread rules: none (pure functions).

#include <QString>

extern const char kToolBarStyle[];
extern const char kPhotoWhiteStyle[];

QString toolNormalStyle(const QString &objectName);
// The photo button's style at construction: the same with a transparent
// border.
QString toolFirstPhotoStyle();
QString toolChosenStyle(const QString &objectName);
// A one-shot tool still at work (text recognition): white with a dashed
// blue border.
QString toolBusyStyle(const QString &objectName);

#endif
