// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/floating_panels.h"

void FloatingPanels::setVisible(QWidget *panel, bool visible)
{
    if (!panel)
        return;
    panel->setVisible(visible);
    // Without a window manager nothing keeps a tool window above the
    // full-screen window it belongs to: a panel shown after the window was
    // raised would stay hidden behind it.
    if (visible)
        panel->raise();
}

bool FloatingPanels::toggle(int pageIndex)
{
    const bool show = !shown_;
    if (pageIndex == AnnotatePage)
        setVisible(annotateBar, show);
    if (pageIndex == ComparePage)
        setVisible(comBar, show);
    setVisible(sideBar, show);
    setVisible(toolBar, show);
    shown_ = show;
    return shown_;
}
