// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CURTAIN_OPENER_H
#define CORVANE_CURTAIN_OPENER_H

// The main window's side of the curtain: open() deletes the previous
// curtain and shows a new one over the whole screen, above the window and
// with the keyboard, so Esc closes it.
//
// Thread rules: GUI thread only. The opener owns the curtain (a top-level
// window without parent); the main window owns the opener.

#include <memory>

class MyCurtainBar;
class QWidget;

class CurtainOpener {
public:
    // `window` is the full-screen window the curtain covers.
    CurtainOpener(QWidget *window, int screenWidth, int screenHeight);
    ~CurtainOpener();

    MyCurtainBar *curtain() const { return curtain_.get(); }
    void open();

private:
    QWidget *window_;
    int screenWidth_;
    int screenHeight_;
    std::unique_ptr<MyCurtainBar> curtain_;
};

#endif
