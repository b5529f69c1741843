#ifndef CORVANE_PANEL_SETUP_H
#define CORVANE_PANEL_SETUP_H

// Creates the tool bar and the side bar for the main window, places them
// (panelPlacesFor), shows them and connects every signal whose main-window
// slot exists. The buttons of tools that are not built yet are disabled;
// their captions say the tool is not available yet. Each tool, when built,
// connects its signal here and takes its button off the list below.
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

// `window` must have the slots tool_openDir(), tool_pizhu(bool), tool_pdf(),
// tool_ocr(), tool_duibi(bool), side_fenbianlv(), side_zuozhuan(), side_youzhuan(), side_zuoyoujingxiang(),
// side_shangxiajingxiang(), side_fangda(), side_suoxiao(), side_zhezhao()
// and side_dongjie().
CreatedPanels createToolAndSideBars(QWidget *window, int screenWidth, int screenHeight);

// Creates the compare bar, places it and connects its five signals to
// `window`'s slots com_widget_2(), com_widget_4(), com_widget_6(),
// com_widget_file() and com_widget_scan(). The bar starts hidden; the
// compare view shows it.
MyComBar *createCompareBar(QWidget *window, int screenWidth, int screenHeight);

// Marks the buttons of the tools that are not built yet as unavailable.
void markToolsNotBuiltYet(MyToolBar &toolBar, MySideBar &sideBar);

// Shows the shortcut keys in the captions of the buttons that have them.
void showShortcutsInCaptions(MyToolBar &toolBar, MySideBar &sideBar);

#endif
