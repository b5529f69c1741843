// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotate_bar_styles.h"

const char kAnnotateBarPanelStyle[] =
    "QWidget#widget{background:#ededed;border:1px solid #ededed;border-radius:10px;}";
const char kAnnotateFontBoxStyle[] =
    "QComboBox#btn_font{background-color:#fff;border:1px solid #fff;border-radius:5px;color:#000;}"
    "QComboBox#btn_font:hover{background-color:#fff;border:1px solid #0296D6;border-radius:5px;}";

QString annotateNormalStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#ededed;border:1px solid #ededed;"
                          "border-radius:5px;}QToolButton#%1:hover{background-color:#fff;"
                          "border:1px solid #0296D6;border-radius:5px;}")
        .arg(objectName);
}

QString annotateChosenStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#fff;border:1px solid #0296D6;"
                          "border-radius:5px;}")
        .arg(objectName);
}
