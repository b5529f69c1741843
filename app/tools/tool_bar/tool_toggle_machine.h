// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TOOL_TOGGLE_MACHINE_H
#define CORVANE_TOOL_TOGGLE_MACHINE_H

// Which of the tool bar's five toggle tools (annotate, record video, record
// screen, compare, hands-free pages) is on. At most one is: from idle any of them can be
// switched on, and only the same tool switches it off again; while one is
// on, the other toggles and the one-shot tools (photo, OCR, PDF, bar code)
// are refused. Opening the folder is always accepted.
//
// Thread rules: a plain value, GUI thread.

class ToolToggleMachine {
public:
    enum Tool { Annotate, RecordVideo, RecordScreen, Compare, PageCapture };

    // Switches `tool` and returns true, or refuses (returns false, nothing
    // changes) while another tool is on.
    bool toggle(Tool tool);
    bool isOn(Tool tool) const { return active_ && on_ == tool; }
    // "toolActive": one of the five is on.
    bool isActive() const { return active_; }
    // Photo, OCR, PDF, bar code and corner adjustment run only while no
    // toggle tool is on.
    bool acceptsOneShot() const { return !active_; }

private:
    bool active_ = false;
    Tool on_ = Annotate;
};

#endif
