// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_SETUP_H
#define CORVANE_ANNOTATION_SETUP_H

// Builds annotation into the main window: the annotation bar (hidden, at
// its place for the screen size) and the controller of the annotation page,
// and connects them. The bar's text, eraser, clear and save buttons reach
// the window's slots annotate_text(), annotate_xiangpicha(),
// annotate_qingkong() and annotate_save(); its font size, pen widths and
// colours go straight to the page; undo goes to the page, and the page's
// history enables the undo button. The page reports through the window's
// setWidgetStateDui(QString) and setWidgetStateCuo(QString), keeps its
// picture in the process's annotation temporary file and saves under
// makePhotoPath() names.
//
// Thread rules: GUI thread only.

#include "tools/annotate/annotation_page_controller.h"

#include <memory>

class MyAnnotateBar;
class QGraphicsView;
class QStackedWidget;
class QWidget;

struct CreatedAnnotation {
    MyAnnotateBar *bar = nullptr; // child of the window
    std::unique_ptr<AnnotationPageController> page;
};

// `pages` is the window's stacked area; `view` the annotation page's view.
CreatedAnnotation createAnnotation(QWidget *window, QGraphicsView *view, QStackedWidget *pages,
                                   int screenWidth, int screenHeight);

#endif
