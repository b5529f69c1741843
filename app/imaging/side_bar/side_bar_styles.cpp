// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/side_bar/side_bar_styles.h"

const char kSideBarStyle[] = "background-color:#ededed;border: 1px solid #ededed;border-radius:10px;";

QString sideNormalStyle(const QString &objectName)
{
    const int hoverBorder = objectName == QLatin1String("btn_resolution") ? 2 : 1;
    return QStringLiteral("QToolButton#%1{background-color:#ededed;border:1px solid #ededed;"
                          "border-radius:10px;}QToolButton#%1:hover{background-color:#fff;"
                          "border:%2px solid #fff;border-radius:10px;}")
        .arg(objectName)
        .arg(hoverBorder);
}

QString sidePressedStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#fff;border:2px solid #0296D6;"
                          "border-radius:10px;}")
        .arg(objectName);
}
