// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_setup.h"

#include "core/live_view/picture_placement.h"
#include "core/main_window/screen_layout.h"
#include "core/startup/file_naming.h"
#include "core/startup/process_values.h"
#include "tools/annotate/my_annotate_bar.h"

#include <QGraphicsView>
#include <QStackedWidget>

namespace {

std::function<void(const QString &)> windowReport(QWidget *window, const char *slot)
{
    return [window, slot](const QString &message) {
        QMetaObject::invokeMethod(window, slot, Qt::DirectConnection, Q_ARG(QString, message));
    };
}

} // namespace

CreatedAnnotation createAnnotation(QWidget *window, QGraphicsView *view, QStackedWidget *pages,
                                   int screenWidth, int screenHeight)
{
    CreatedAnnotation created;
    auto *bar = new MyAnnotateBar(screenHeight, window);
    bar->move(panelPlacesFor(screenWidth, screenHeight).annotateBar);
    bar->hide();
    created.bar = bar;

    const int viewHeight = screenHeight - kTitleBarHeight;
    view->setGeometry(0, 0, screenWidth, viewHeight);
    AnnotationPageController::Parts parts;
    parts.window = window;
    parts.view = view;
    parts.bar = bar;
    parts.showPage = [pages](int index) { pages->setCurrentIndex(index); };
    parts.reportSaved = windowReport(window, "setWidgetStateDui");
    parts.reportFailure = windowReport(window, "setWidgetStateCuo");
    parts.picturePath = processValues().annotationTempPath;
    parts.viewHeight = viewHeight;
    parts.newPicturePath = [] { return makePhotoPath(); };
    created.page = std::make_unique<AnnotationPageController>(std::move(parts));
    AnnotationPageController *page = created.page.get();

    QObject::connect(bar, SIGNAL(signals_text()), window, SLOT(annotate_text()));
    QObject::connect(bar, SIGNAL(signals_xiangpicha()), window, SLOT(annotate_xiangpicha()));
    QObject::connect(bar, SIGNAL(signals_qingkong()), window, SLOT(annotate_qingkong()));
    QObject::connect(bar, SIGNAL(signals_save()), window, SLOT(annotate_save()));
    QObject::connect(bar, &MyAnnotateBar::signals_font, window,
                     [page](int pointSize) { page->setFontSize(pointSize); });
    const struct {
        void (MyAnnotateBar::*signal)();
        PenSize size;
    } widths[] = {{&MyAnnotateBar::signals_xiao, PenSize::Small},
                  {&MyAnnotateBar::signals_zhong, PenSize::Medium},
                  {&MyAnnotateBar::signals_da, PenSize::Large}};
    for (const auto &width : widths) {
        const int pixels = penWidthFor(width.size);
        QObject::connect(bar, width.signal, window, [page, pixels] { page->setPenWidth(pixels); });
    }
    // In colour-index order (annotation_choices.h).
    void (MyAnnotateBar::*const colours[kPenColourCount])() = {
        &MyAnnotateBar::signals_hong, &MyAnnotateBar::signals_huang,
        &MyAnnotateBar::signals_qing, &MyAnnotateBar::signals_lv,
        &MyAnnotateBar::signals_lan,  &MyAnnotateBar::signals_meihong};
    for (int index = 0; index < kPenColourCount; ++index)
        QObject::connect(bar, colours[index], window, [page, index] { page->setPenColour(index); });
    QObject::connect(bar, &MyAnnotateBar::signals_chexiao, window, [page] { page->undo(); });
    QObject::connect(&page->model().history(), &QUndoStack::canUndoChanged, bar,
                     &MyAnnotateBar::setUndoAvailable);
    return created;
}
