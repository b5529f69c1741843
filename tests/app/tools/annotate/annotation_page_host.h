#ifndef CORVANE_TEST_ANNOTATION_PAGE_HOST_H
#define CORVANE_TEST_ANNOTATION_PAGE_HOST_H

// A stand-in for the main window around the annotation page: an 800x600
// window with the page 32 pixels down holding the view, a bar widget, and
// records of the page index shown and the messages reported. Mouse events
// go to the controller in window coordinates, as the window hands them on.

#include "tools/annotate/annotation_page_controller.h"

#include <QGraphicsView>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

struct AnnotationPageHost {
    QTemporaryDir folder;
    QWidget window;
    QWidget *pageWidget = nullptr;
    QGraphicsView *view = nullptr;
    QWidget *bar = nullptr;
    int shownPage = -1;
    QStringList saved;
    QStringList failures;
    QString nextSavePath;
    std::unique_ptr<AnnotationPageController> page;

    explicit AnnotationPageHost(int viewHeight = 568)
    {
        window.setGeometry(0, 0, 800, 600);
        pageWidget = new QWidget(&window);
        pageWidget->setGeometry(0, 32, 800, viewHeight);
        view = new QGraphicsView(pageWidget);
        view->setGeometry(0, 0, 800, viewHeight);
        bar = new QWidget(&window);
        bar->hide();
        nextSavePath = folder.path() + "/saved/annotation.jpg";
        AnnotationPageController::Parts parts;
        parts.window = &window;
        parts.view = view;
        parts.bar = bar;
        parts.showPage = [this](int index) { shownPage = index; };
        parts.reportSaved = [this](const QString &m) { saved << m; };
        parts.reportFailure = [this](const QString &m) { failures << m; };
        parts.picturePath = folder.path() + "/corvane_temp_annotation_file.jpg";
        parts.viewHeight = viewHeight;
        parts.newPicturePath = [this] { return nextSavePath; };
        page = std::make_unique<AnnotationPageController>(std::move(parts));
    }

    // Where a scene point shows, in window coordinates.
    QPoint windowPointOf(const QPointF &scenePoint) const
    {
        return view->viewport()->mapTo(&window, view->mapFromScene(scenePoint));
    }

    void press(const QPoint &at)
    {
        QMouseEvent event(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        page->mousePress(&event);
    }
    void move(const QPoint &to)
    {
        QMouseEvent event(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        page->mouseMove(&event);
    }
    void release(const QPoint &at)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        page->mouseRelease(&event);
    }
};

#endif
