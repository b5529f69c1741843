// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMPARE_MODEL_H
#define CORVANE_COMPARE_MODEL_H

// The compare view's state without its widgets: six windows, each with a
// stored picture, its quarter turns and zoom, its place in the page and
// whether the layout shows it; the layout; and the selected window (0 =
// none, which the rotate and zoom commands take as "every window with a
// picture").
//
// What a window shows always follows its state (compareView): a turned
// and zoomed window stays turned and zoomed across layout changes and
// further turns or zooms. A new picture starts unturned and unzoomed.
//
// A layout that hides the selected window also ends the selection, so a
// picture can never go into a window nobody sees.
//
// Window numbers are 1..6, as on screen.
//
// Thread rules: none of its own (a plain value, used on the GUI thread).

#include "tools/compare/compare_layout.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

#include <array>

struct CompareWindow {
    QImage picture;       // as taken or opened; display operations never change it
    int quarterTurns = 0; // clockwise, 0..3
    int cropTenths = 0;   // tenths of width and height cut away, 0..8
    QRect geometry;       // in page coordinates
    bool visible = false;

    double cropFraction() const { return cropTenths / 10.0; }
};

class CompareModel {
public:
    CompareModel();

    // Places and shows the layout's windows in a page of the given size.
    // Ends the selection when it hides the selected window. Returns
    // whether the selection ended.
    bool applyLayout(CompareLayout layout, int pageWidth, int pageHeight);
    CompareLayout layout() const { return layout_; }

    const CompareWindow &window(int number) const;
    int selected() const { return selected_; }

    // Selects the first shown window (1..6) whose rectangle holds the point
    // (page coordinates), or none. Returns the selection.
    int selectAt(const QPoint &pagePoint);

    // The windows a rotate or zoom acts on: the selected one if it holds a
    // picture, or with none selected every window holding one, hidden ones
    // included.
    QVector<int> targets() const;
    // Turn or zoom the targets by one step; return the windows changed.
    QVector<int> rotate(int quarterTurnDelta);
    QVector<int> zoom(int cropTenthsDelta);

    // A null picture is refused (returns false) and changes nothing.
    bool setPicture(int number, const QImage &picture);

    // What window `number` shows at its current size.
    // On a screen scaled by `pixelRatio` the picture has that many times
    // the pixels of its window and carries the ratio, so it is drawn at the
    // screen's own resolution.
    QImage view(int number, qreal pixelRatio = 1.0) const;

private:
    CompareWindow &at(int number);

    std::array<CompareWindow, kCompareWindowCount> windows_;
    CompareLayout layout_ = CompareLayout::Two;
    int selected_ = 0;
};

#endif
