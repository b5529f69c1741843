// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FULL_SCREEN_MODE_H
#define CORVANE_FULL_SCREEN_MODE_H

// The picture alone on the whole screen: the title bar, the side-panel
// button and the panels go away and the live picture takes the full screen
// height; switching back restores them as they were (panels that were
// shown come back, hidden ones stay hidden).
//
// Thread rules: GUI thread only. Points at the window's widgets, owns
// nothing.

#include <QRect>

#include <functional>

class QWidget;

class FullScreenMode {
public:
    struct Parts {
        QWidget *titleBar = nullptr;
        QWidget *pageArea = nullptr;    // the stacked pages
        QWidget *panelButton = nullptr; // the side-panel toggle
        std::function<bool()> panelsShown;
        std::function<void()> togglePanels;
    };

    FullScreenMode(Parts parts, int screenWidth, int screenHeight);

    // Switches and returns the new state.
    bool toggle();
    bool isOn() const { return on_; }
    // Where the live picture goes now, in window coordinates.
    QRect pictureArea() const;

private:
    Parts parts_;
    int screenWidth_;
    int screenHeight_;
    bool on_ = false;
    bool panelsWereShown_ = false;
    bool buttonWasShown_ = false;
};

#endif
