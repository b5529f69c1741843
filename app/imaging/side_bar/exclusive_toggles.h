// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_EXCLUSIVE_TOGGLES_H
#define CORVANE_EXCLUSIVE_TOGGLES_H

// The side bar's four toggles of which at most one is pressed: mirror
// left-right, mirror top-bottom, deskew and crop. A click on a free toggle
// presses it, a click on the pressed one releases it, and a click on any
// other while one is pressed is refused.
//
// Thread rules: a plain value, GUI thread.

class ExclusiveToggles {
public:
    enum Toggle { MirrorLeftRight, MirrorTopBottom, Deskew, Crop };
    enum class Outcome { Refused, Pressed, Released };

    Outcome click(Toggle toggle);
    bool isPressed(Toggle toggle) const { return busy_ && pressed_ == toggle; }
    // "toggleBusy": one of the four is pressed.
    bool isBusy() const { return busy_; }

private:
    bool busy_ = false;
    Toggle pressed_ = MirrorLeftRight;
};

#endif
