// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/tool_bar/tool_bar_styles.h"

const char kToolBarStyle[] = "background-color:#ededed;border: 1px solid #ededed;border-radius:10px;";
const char kPhotoWhiteStyle[] =
    "QToolButton#btn_paizhao{background-color:#FFFFFF;border:1px solid #FFFFFF;border-radius:10px;}";

namespace {

QString normalStyle(const QString &name, const char *border)
{
    return QStringLiteral("QToolButton#%1{background-color:rgba(0,0,0,0);border:1px solid %2;"
                          "border-radius:10px;}QToolButton#%1:hover{background-color:#fff;"
                          "border:1px solid #fff;border-radius:10px;}")
        .arg(name, QLatin1String(border));
}

} // namespace

QString toolNormalStyle(const QString &objectName)
{
    return normalStyle(objectName, "#ededed");
}

QString toolFirstPhotoStyle()
{
    return normalStyle(QStringLiteral("btn_paizhao"), "rgba(0,0,0,0)");
}

QString toolChosenStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#fff;border:2px solid #0296D6;"
                          "border-radius:10px;}")
        .arg(objectName);
}

QString toolBusyStyle(const QString &objectName)
{
    return QStringLiteral("QToolButton#%1{background-color:#fff;border:2px dashed #0296D6;"
                          "border-radius:10px;}")
        .arg(objectName);
}
