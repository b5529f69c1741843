// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_ANNOTATE_BAR_H
#define CORVANE_MY_ANNOTATE_BAR_H

// The floating annotation panel near the bottom of the screen: text tool,
// font size, three pen widths, six pen colours, eraser, undo, clear and
// save. It keeps only its own highlighting and forwards every click as a
// signal; the main window's annotation page does the drawing.
//
// Highlighting: the pen widths are a radio group (medium at start), so are
// the colours (red at start); text and eraser are toggles that exclude each
// other, so at most one of them is pressed, and pressing the pressed one
// releases it. The undo button is usable only while there is something to
// undo (setUndoAvailable). A black caption shows the hovered control's
// name above it.
//
// Thread rules: GUI thread only. The caption label has no parent; the bar
// owns it.

#include "tools/annotate/annotation_choices.h"

#include <QDialog>

#include <array>
#include <memory>

class HoverTip;
class QWidget;

namespace Ui {
class MyAnnotateBarClass;
}

class MyAnnotateBar : public QDialog {
    Q_OBJECT

public:
    // In layout order, left to right.
    enum Control {
        Text, FontSize, Small, Medium, Large, Red, Yellow, Cyan, Green, Blue, Magenta, Eraser,
        Undo, Clear, Save
    };
    static constexpr int kControlCount = Save + 1;

    // Sized for a screen of the given available height: 40-pixel controls
    // in a 760x60 bar above 965, 20-pixel ones in 460x40 otherwise.
    MyAnnotateBar(int screenHeight, QWidget *parent);
    ~MyAnnotateBar() override;

    QWidget *control(Control which) const;
    // Whether the control shows the chosen (white, blue-bordered) look.
    bool isHighlighted(Control which) const;
    bool textOn() const { return textOn_; }
    bool eraserOn() const { return eraserOn_; }
    // The caption the control shows on hover, in the current language.
    QString captionFor(Control which) const;
    HoverTip &hoverTip() const { return *caption_; }

public slots:
    void setUndoAvailable(bool available);

signals:
    void signals_text();
    void signals_font(int pointSize);
    void signals_xiao();
    void signals_zhong();
    void signals_da();
    void signals_hong();
    void signals_huang();
    void signals_qing();
    void signals_lv();
    void signals_lan();
    void signals_meihong();
    void signals_xiangpicha();
    void signals_chexiao();
    void signals_qingkong();
    void signals_save();

private slots:
    void slots_text();
    void slots_font(int index);
    void slots_xiao();
    void slots_zhong();
    void slots_da();
    void slots_hong();
    void slots_huang();
    void slots_qing();
    void slots_lv();
    void slots_lan();
    void slots_meihong();
    void slots_xiangpicha();
    void slots_chexiao();
    void slots_qingkong();
    void slots_save();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void shape(int screenHeight);
    void connectControls();
    void highlight(Control which, bool chosen);
    // Highlights `chosen` and releases the others of [first, last].
    void choose(Control first, Control last, Control chosen);
    void showCaption(Control which);

    std::unique_ptr<HoverTip> caption_;
    std::unique_ptr<Ui::MyAnnotateBarClass> ui_;
    std::array<QWidget *, kControlCount> controls_{};
    bool eraserOn_ = false;
    bool textOn_ = false;
};

#endif
