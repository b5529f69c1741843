#include "core/main_window/floating_panels.h"

void FloatingPanels::setVisible(QWidget *panel, bool visible)
{
    if (panel)
        panel->setVisible(visible);
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
