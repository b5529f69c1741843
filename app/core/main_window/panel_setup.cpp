// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/panel_setup.h"

#include "core/main_window/live_shortcuts.h"
#include "core/main_window/screen_layout.h"
#include "imaging/side_bar/my_side_bar.h"
#include "tools/compare/my_com_bar.h"
#include "tools/tool_bar/my_tool_bar.h"

CreatedPanels createToolAndSideBars(QWidget *window, int screenWidth, int screenHeight)
{
    const PanelPlaces places = panelPlacesFor(screenWidth, screenHeight);
    CreatedPanels panels;

    panels.toolBar = new MyToolBar(screenHeight, window);
    panels.toolBar->move(places.toolBar);
    panels.toolBar->show();
    QObject::connect(panels.toolBar, SIGNAL(signals_wenjianjia()), window, SLOT(tool_openDir()));
    QObject::connect(panels.toolBar, SIGNAL(signals_pdf()), window, SLOT(tool_pdf()));
    QObject::connect(panels.toolBar, SIGNAL(signals_ocr()), window, SLOT(tool_ocr()));
    QObject::connect(panels.toolBar, SIGNAL(signals_duibi(bool)), window, SLOT(tool_duibi(bool)));
    QObject::connect(panels.toolBar, SIGNAL(signals_pizhu(bool)), window, SLOT(tool_pizhu(bool)));
    QObject::connect(panels.toolBar, SIGNAL(signals_luxiang(bool)), window, SLOT(tool_luxiang(bool)));
    QObject::connect(panels.toolBar, SIGNAL(signals_luping(bool)), window, SLOT(tool_luping(bool)));
    QObject::connect(panels.toolBar, SIGNAL(signals_paizhao()), window, SLOT(tool_paizhao()));
    QObject::connect(panels.toolBar, SIGNAL(signals_tiaoma()), window, SLOT(tool_tiaoma()));
    QObject::connect(panels.toolBar, SIGNAL(signals_lianpai(bool)), window, SLOT(tool_lianpai(bool)));
    QObject::connect(panels.toolBar, SIGNAL(signals_sijiao()), window, SLOT(tool_sijiao()));

    panels.sideBar = new MySideBar(screenHeight, window);
    panels.sideBar->move(places.sideBar);
    panels.sideBar->show();
    MySideBar *side = panels.sideBar;
    QObject::connect(side, SIGNAL(signals_fenbianlv()), window, SLOT(side_fenbianlv()));
    QObject::connect(side, SIGNAL(signals_zuozhuan()), window, SLOT(side_zuozhuan()));
    QObject::connect(side, SIGNAL(signals_youzhuan()), window, SLOT(side_youzhuan()));
    QObject::connect(side, SIGNAL(signals_zuoyoujingxiang()), window, SLOT(side_zuoyoujingxiang()));
    QObject::connect(side, SIGNAL(signals_shangxiajingxiang()), window,
                     SLOT(side_shangxiajingxiang()));
    QObject::connect(side, SIGNAL(signals_fangda()), window, SLOT(side_fangda()));
    QObject::connect(side, SIGNAL(signals_suoxiao()), window, SLOT(side_suoxiao()));
    QObject::connect(side, SIGNAL(signals_jiupian(int)), window, SLOT(side_jiupian(int)));
    QObject::connect(side, SIGNAL(signals_caijian(int)), window, SLOT(side_caijian(int)));
    QObject::connect(side, SIGNAL(signals_zhezhao()), window, SLOT(side_zhezhao()));
    QObject::connect(side, SIGNAL(signals_dongjie()), window, SLOT(side_dongjie()));

    showShortcutsInCaptions(*panels.toolBar, *panels.sideBar);
    return panels;
}

MyComBar *createCompareBar(QWidget *window, int screenWidth, int screenHeight)
{
    auto *bar = new MyComBar(window);
    bar->move(panelPlacesFor(screenWidth, screenHeight).compareBar);
    bar->hide();
    QObject::connect(bar, SIGNAL(signals_com2()), window, SLOT(com_widget_2()));
    QObject::connect(bar, SIGNAL(signals_com4()), window, SLOT(com_widget_4()));
    QObject::connect(bar, SIGNAL(signals_com6()), window, SLOT(com_widget_6()));
    QObject::connect(bar, SIGNAL(signals_file()), window, SLOT(com_widget_file()));
    QObject::connect(bar, SIGNAL(signals_scan()), window, SLOT(com_widget_scan()));
    return bar;
}

void showShortcutsInCaptions(MyToolBar &toolBar, MySideBar &sideBar)
{
    const struct {
        MySideBar::Button button;
        LiveShortcuts::Action action;
    } side[] = {{MySideBar::RotateLeft, LiveShortcuts::RotateLeft},
                {MySideBar::RotateRight, LiveShortcuts::RotateRight},
                {MySideBar::ZoomIn, LiveShortcuts::ZoomIn},
                {MySideBar::ZoomOut, LiveShortcuts::ZoomOut},
                {MySideBar::MirrorLeftRight, LiveShortcuts::MirrorLeftRight},
                {MySideBar::MirrorTopBottom, LiveShortcuts::MirrorTopBottom},
                {MySideBar::Freeze, LiveShortcuts::Freeze}};
    for (const auto &entry : side)
        sideBar.setShortcutHint(entry.button, LiveShortcuts::primaryKeyFor(entry.action));
    toolBar.setShortcutHint(MyToolBar::Photo, LiveShortcuts::primaryKeyFor(LiveShortcuts::Photo));
}
