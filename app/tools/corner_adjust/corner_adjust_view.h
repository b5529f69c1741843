// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORNER_ADJUST_VIEW_H
#define CORVANE_CORNER_ADJUST_VIEW_H

// The frozen picture with four draggable corner handles, laid over the
// main window. The picture is shown whole (scaled to fit, centred); the
// corners (CornerAdjustment) are dragged with the mouse, or chosen with
// Tab and nudged a pixel at a time with the arrow keys (ten with Shift).
// Enter or "Save" asks for the cut-out, Esc or "Cancel" for closing.
//
// Thread rules: GUI thread only; a child of the window that shows it.

#include "imaging/corner_adjustment/corner_adjustment.h"

#include <QImage>
#include <QWidget>

class QPushButton;

class CornerAdjustView : public QWidget {
    Q_OBJECT

public:
    // Handle radius on screen, in pixels.
    static constexpr int kHandleRadius = 14;

    CornerAdjustView(const QImage &picture, const CornerAdjustment &start, QWidget *parent);

    const CornerAdjustment &adjustment() const { return adjustment_; }
    int selectedCorner() const { return selected_; }

    // Where the picture lies on the widget, and the mappings between the
    // two (picture pixels <-> widget pixels).
    QRectF pictureArea() const;
    QPointF toWidget(cv::Point2f picturePoint) const;
    cv::Point2f toPicture(const QPointF &widgetPoint) const;

    QPushButton *saveButton() const { return save_; }
    QPushButton *cancelButton() const { return cancel_; }

signals:
    void saveRequested();
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Tab chooses the next corner instead of moving the focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void retranslate();
    double scale() const;

    QImage picture_;
    CornerAdjustment adjustment_;
    int selected_ = kTopLeft;
    bool dragging_ = false;
    QPushButton *save_;
    QPushButton *cancel_;
};

#endif
