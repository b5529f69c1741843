// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PANEL_SETUP_H
#define CORVANE_PANEL_SETUP_H

// Creates the tool bar and the side bar for the main window, places them
// (panelPlacesFor), shows them and connects every signal to the main
// window's slot of the same stem.
//
// Thread rules: GUI thread only. The panels are children of the window.

#include <QPoint>

class MyComBar;
class MySideBar;
class MyToolBar;
class QWidget;

struct CreatedPanels {
    MyToolBar *toolBar = nullptr;
    MySideBar *sideBar = nullptr;
};

// `window` must have the slots tool_openDir(), tool_pizhu(bool),
// tool_luxiang(bool), tool_luping(bool), tool_paizhao(), tool_duibi(bool),
// tool_pdf(), tool_ocr(), tool_tiaoma(), side_fenbianlv(), side_zuozhuan(),
// side_youzhuan(), side_zuoyoujingxiang(), side_shangxiajingxiang(),
// side_fangda(), side_suoxiao(), side_jiupian(int), side_caijian(int),
// side_zhezhao() and side_dongjie().
CreatedPanels createToolAndSideBars(QWidget *window, int screenWidth, int screenHeight);

// Creates the compare bar, places it and connects its five signals to
// `window`'s slots com_widget_2(), com_widget_4(), com_widget_6(),
// com_widget_file() and com_widget_scan(). The bar starts hidden; the
// compare view shows it.
MyComBar *createCompareBar(QWidget *window, int screenWidth, int screenHeight);

// Shows the shortcut keys in the captions of the buttons that have them.
void showShortcutsInCaptions(MyToolBar &toolBar, MySideBar &sideBar);

#endif
