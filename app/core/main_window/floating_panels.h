// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FLOATING_PANELS_H
#define CORVANE_FLOATING_PANELS_H

// The main window's floating panels (tool bar, side bar, compare bar,
// annotation bar) and the show/hide toggle behind the side-panel button.
// The tool and side bars follow every toggle; the annotation bar only while
// the annotation page is up, the compare bar only while the compare page is.
// A panel that has not been created is simply skipped.
//
// Thread rules: GUI thread only. The panels are children of the window; this
// class only points at them.

#include <QPointer>
#include <QWidget>

class FloatingPanels {
public:
    enum Page { LivePage = 0, AnnotatePage = 1, ComparePage = 2 };

    QPointer<QWidget> toolBar;
    QPointer<QWidget> sideBar;
    QPointer<QWidget> comBar;
    QPointer<QWidget> annotateBar;

    bool shown() const { return shown_; }

    // Hides the panels when shown, shows them otherwise; returns the new
    // state.
    bool toggle(int pageIndex);

private:
    static void setVisible(QWidget *panel, bool visible);
    bool shown_ = true;
};

#endif
