// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_SHORTCUTS_H
#define CORVANE_LIVE_SHORTCUTS_H

// The keyboard shortcuts a presenter uses in the live view. Each one does
// what pressing its panel button does (the window binds them that way), so
// the panels' pressed looks stay true and a refused or disabled button
// refuses its key too. They work whichever of the program's windows is
// active (the panels are windows of their own) and not while a modal
// dialog is open; they are off until a camera is chosen.
//
// Thread rules: GUI thread only. The QShortcut objects are children of the
// window.

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <array>
#include <functional>

class QShortcut;
class QWidget;

class LiveShortcuts : public QObject {
    Q_OBJECT

public:
    enum Action {
        RotateLeft, RotateRight, MirrorLeftRight, MirrorTopBottom, ZoomIn, ZoomOut, Freeze,
        Photo, Panels, FullScreen
    };
    static constexpr int kActionCount = FullScreen + 1;

    // The keys of an action; the first is the one shown in captions.
    static QList<QKeySequence> keysFor(Action action);
    static QKeySequence primaryKeyFor(Action action) { return keysFor(action).first(); }

    explicit LiveShortcuts(QWidget *window);

    void bind(Action action, std::function<void()> run);
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }

private:
    std::array<QList<QShortcut *>, kActionCount> shortcuts_;
    std::array<std::function<void()>, kActionCount> runs_;
    bool enabled_ = false;
};

#endif
