// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_PAGE_CONTROLLER_H
#define CORVANE_ANNOTATION_PAGE_CONTROLLER_H

// The annotation page (stacked page 1): the camera picture frozen when
// annotation is switched on, drawn on with the mouse.
//
// - Pen (the mode at start): a drag draws straight segments from point to
//   point, each time the mouse has moved more than 2 pixels in either
//   direction and lands on the picture; off the picture nothing is drawn,
//   and the stroke resumes with one straight segment from the last point
//   on it. Segments join, so a fast mouse leaves no gaps.
// - Eraser: everything drawn under the eraser square (the size of its
//   cursor, 40 pixels on screen) goes, along the whole way the mouse
//   moved; the picture stays.
// - Text: a press on a text drags it; elsewhere it opens a line entry at
//   the mouse, which Enter (or a press elsewhere, or a change of tool)
//   places as a text in the pen's colour, and Escape drops.
// - Clear takes every stroke and text away; undo (Ctrl+Z, or the bar's
//   button) and redo (Ctrl+Shift+Z, Ctrl+Y) go back and forth over strokes,
//   texts, drags, erases and clears.
// - The wheel and the side bar's zoom buttons zoom the page (0.2 to 10),
//   the rotate buttons turn it by quarter turns.
// - Save writes what the page shows, zoom and turns included, to a new
//   picture in the save folder, and says where or why not.
//
// Positions come in window coordinates and are taken relative to the
// view, so the page works wherever the window puts it (full screen too).
//
// Thread rules: GUI thread only. The window, view and bar outlive this
// controller; the text entry and the shortcuts are children of the window
// that this controller makes and deletes.

#include "core/pages/page_controller.h"
#include "tools/annotate/annotation_model.h"
#include "tools/annotate/annotation_view_state.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QPointer>

#include <functional>

class QGraphicsView;
class QShortcut;
class QWidget;

class AnnotationPageController : public PageController {
    Q_DECLARE_TR_FUNCTIONS(AnnotationPageController)

public:
    enum class Mode { Pen = 1, Eraser = 2, Text = 3 };
    static constexpr int kEraserSize = 40;
    static constexpr int kLivePage = 0;
    static constexpr int kAnnotationPage = 1;

    struct Parts {
        QWidget *window = nullptr;    // receives the mouse; parent of the entry
        QGraphicsView *view = nullptr; // the page's view, inside the window
        QWidget *bar = nullptr;       // shown while annotating; may be null
        std::function<void(int pageIndex)> showPage;
        std::function<void(const QString &)> reportSaved;
        std::function<void(const QString &)> reportFailure;
        QString picturePath;          // where the frozen picture is kept
        int viewHeight = 0;           // for the picture's reduction
        std::function<QString()> newPicturePath; // a new name in the save folder
    };

    explicit AnnotationPageController(Parts parts);
    ~AnnotationPageController() override;

    // The tool bar's annotate button: on freezes `frame` and shows the page
    // with the bar; off hides both and drops the annotation. Mode, zoom and
    // turns stay as they are for the next time.
    void switchAnnotation(bool on, const QImage &frame);
    bool isActive() const { return active_; }

    // The bar's buttons.
    void toggleText();
    void toggleEraser();
    void clear();
    void save();
    void undo();
    void redo();
    void setPenWidth(int width);
    void setPenColour(int colourIndex);
    void setFontSize(int pointSize);

    Mode mode() const { return mode_; }
    const QPen &pen() const { return pen_; }
    const QFont &font() const { return font_; }
    AnnotationModel &model() { return model_; }
    const AnnotationViewState &viewState() const { return viewState_; }
    QLineEdit *textEntry() const { return entry_; }
    // The page as it shows now, as saved.
    QImage pageImage() const;

    void rotateLeft() override;
    void rotateRight() override;
    void zoomIn() override;
    void zoomOut() override;
    void mousePress(QMouseEvent *event) override;
    void mouseMove(QMouseEvent *event) override;
    void mouseRelease(QMouseEvent *event) override;
    void wheel(QWheelEvent *event) override;
    bool keyPress(QKeyEvent *event) override;

private:
    void restart();
    void applyView();
    void applyCursor();
    QPoint pagePoint(const QPoint &windowPoint) const;
    QPointF toScene(const QPoint &pagePoint) const;
    void eraseAlong(const QPoint &from, const QPoint &to);
    void openEntry(const QPoint &windowPoint, const QPoint &pagePoint);
    // Places the entry's text, if any, and closes the entry.
    void commitEntry();
    void dropEntry();
    void makeShortcuts();

    Parts parts_;
    AnnotationModel model_;
    AnnotationViewState viewState_;
    bool active_ = false;
    Mode mode_ = Mode::Pen;
    QPen pen_;
    QFont font_;
    int colourIndex_ = 0;
    QPoint lastPoint_;
    bool pressed_ = false;
    QPoint textAnchor_;
    int wheelRemainder_ = 0;
    QPointer<QLineEdit> entry_;
    QList<QPointer<QShortcut>> shortcuts_;
};

#endif
