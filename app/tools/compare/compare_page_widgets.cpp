// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/compare_page_widgets.h"

#include <QLabel>
#include <QWidget>

ComparePageWidgets ComparePageWidgets::fromPage(QWidget *page)
{
    ComparePageWidgets widgets;
    widgets.page = page;
    for (int i = 0; i < 6; ++i) {
        const QString number = QString::number(i + 1);
        widgets.windows[size_t(i)] = page->findChild<QWidget *>(QStringLiteral("widget_com") + number);
        widgets.labels[size_t(i)] = page->findChild<QLabel *>(QStringLiteral("label_com") + number);
    }
    return widgets;
}

bool ComparePageWidgets::complete() const
{
    if (!page)
        return false;
    for (size_t i = 0; i < 6; ++i)
        if (!windows[i] || !labels[i] || labels[i]->parentWidget() != windows[i]
            || windows[i]->parentWidget() != page)
            return false;
    return true;
}
