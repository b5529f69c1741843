// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMPARE_PAGE_WIDGETS_H
#define CORVANE_COMPARE_PAGE_WIDGETS_H

// The compare page's widgets from the main window's form: the page
// (`page_3`) and its six windows `widget_com1..6`, each with its label
// `label_com1..6`.
//
// Thread rules: GUI thread only; the form owns the widgets.

#include <array>

class QLabel;
class QWidget;

struct ComparePageWidgets {
    QWidget *page = nullptr;
    std::array<QWidget *, 6> windows{};
    std::array<QLabel *, 6> labels{};

    // Finds the windows and labels below `page` by their object names.
    static ComparePageWidgets fromPage(QWidget *page);
    bool complete() const;
};

#endif
