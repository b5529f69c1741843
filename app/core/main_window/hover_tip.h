// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_HOVER_TIP_H
#define CORVANE_HOVER_TIP_H

// The caption bubble shown while the mouse is over a watched button: a
// top-level black rounded label. The placement rules are free functions so
// they can be checked without a screen.
//
// Thread rules: GUI thread only. The label has no parent; the HoverTip owns
// and deletes it.

#include <QPoint>
#include <QString>

class QLabel;

// Title-bar and microphone buttons: centred under the button (global x minus
// half the tip's width plus 16), moved left so it ends at the right screen
// edge when it would pass it; y is the button's global y plus yOffset (42
// for the title bar, 2 for the microphone).
QPoint centredTipPosition(const QPoint &buttonGlobal, int tipWidth, int screenWidth, int yOffset);

// The side-panel button's tip sits to its right and a little lower.
QPoint sideButtonTipPosition(const QPoint &buttonGlobal);

class HoverTip {
public:
    HoverTip();
    ~HoverTip();
    HoverTip(const HoverTip &) = delete;
    HoverTip &operator=(const HoverTip &) = delete;

    // Sets the text and sizes the bubble so its width is known before it is
    // placed.
    void setText(const QString &text);
    int width() const;
    void showAt(const QPoint &globalPosition);
    void hide();
    QLabel *label() const { return label_; }

private:
    QLabel *label_;
};

#endif
