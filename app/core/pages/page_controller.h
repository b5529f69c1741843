// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_CONTROLLER_H
#define CORVANE_PAGE_CONTROLLER_H

// What one page of the main window's stacked area (live view, annotation,
// compare) makes of the mouse, the wheel, the keys and the side bar's
// rotate, zoom, mirror and freeze buttons, and what the window paints
// behind the page's own widgets. The window's event handlers and side-bar
// slots pass each event to the controller of the page on show.
//
// Rotating and zooming mean something on every page, so every page says
// what; mirror, freeze, mouse, wheel and keys do nothing unless a page
// takes them up (mirror and freeze act on the live picture only).
//
// Thread rules: GUI thread only.

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWheelEvent;

class PageController {
public:
    virtual ~PageController() = default;

    virtual void rotateLeft() = 0;
    virtual void rotateRight() = 0;
    virtual void zoomIn() = 0;
    virtual void zoomOut() = 0;
    virtual void mirrorHorizontal() {}
    virtual void mirrorVertical() {}
    virtual void freeze() {}

    // Positions in window coordinates.
    virtual void mousePress(QMouseEvent *) {}
    virtual void mouseMove(QMouseEvent *) {}
    virtual void mouseRelease(QMouseEvent *) {}
    virtual void wheel(QWheelEvent *) {}
    // Returns whether the key was used.
    virtual bool keyPress(QKeyEvent *) { return false; }

    // Paints the window's part of the page (the painter is the window's).
    virtual void paint(QPainter &) {}
};

#endif
