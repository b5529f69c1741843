// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_ANNOTATION_PAGE_HOST_H
#define CORVANE_TEST_ANNOTATION_PAGE_HOST_H

// A stand-in for the main window around the annotation page: an 800x600
// window with the view 32 pixels down (568 high), a bar widget, and
// records of the page shown and the messages reported. Mouse events go to
// the controller in window coordinates, as the window hands them on.

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
    QGraphicsView *view = new QGraphicsView(&window);
    QWidget *bar = new QWidget(&window);
    int shownPage = -1;
    QStringList saved, failures;
    QString nextSavePath = folder.path() + "/saved/annotation.jpg";
    std::unique_ptr<AnnotationPageController> page;

    AnnotationPageHost()
    {
        window.setGeometry(0, 0, 800, 600);
        view->setGeometry(0, 32, 800, 568);
        AnnotationPageController::Parts parts;
        parts.window = &window;
        parts.view = view;
        parts.bar = bar;
        parts.showPage = [this](int index) { shownPage = index; };
        parts.reportSaved = [this](const QString &m) { saved << m; };
        parts.reportFailure = [this](const QString &m) { failures << m; };
        parts.picturePath = folder.path() + "/corvane_temp_annotation_file.jpg";
        parts.viewHeight = 568;
        parts.newPicturePath = [this] { return nextSavePath; };
        page = std::make_unique<AnnotationPageController>(std::move(parts));
    }

    // Where a scene point shows, in window coordinates.
    QPoint at(qreal x, qreal y) const
    {
        return view->viewport()->mapTo(&window, view->mapFromScene(x, y));
    }

    void send(QEvent::Type type, const QPoint &pos)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, button, held, Qt::NoModifier);
        if (type == QEvent::MouseButtonPress)
            page->mousePress(&event);
        else if (type == QEvent::MouseMove)
            page->mouseMove(&event);
        else
            page->mouseRelease(&event);
    }

    // Press at the first point, move through the rest, release at the last.
    void drag(const QList<QPoint> &points)
    {
        send(QEvent::MouseButtonPress, points.first());
        for (const QPoint &p : points.mid(1))
            send(QEvent::MouseMove, p);
        send(QEvent::MouseButtonRelease, points.last());
    }
};

#endif
