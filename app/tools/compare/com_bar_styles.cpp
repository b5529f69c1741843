// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/com_bar_styles.h"

const char kComBarPanelStyle[] =
    "QWidget#widget{background:#ededed;border:1px solid #ededed;border-radius:10px;}";

QString comNormalStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#ededed;border:1px solid #ededed;"
                          "border-radius:10px;}QToolButton#%1:hover{background-color:#fff;"
                          "border:1px solid #0296D6;border-radius:10px;}")
        .arg(objectName);
}

QString comChosenStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#fff;border:1px solid #0296D6;"
                          "border-radius:10px;}")
        .arg(objectName);
}
