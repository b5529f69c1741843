// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_HOVER_WATCH_H
#define CORVANE_HOVER_WATCH_H

// Shows a panel's caption while the mouse is over one of its buttons: the
// panel hands its buttons to watch() with their index; entering one calls
// the panel back with that index (the panel knows the text and the place),
// leaving it hides the caption. Where the caption already says what Qt's
// tool tip would, the tip can be swallowed so no second bubble covers the
// picture.
//
// Thread rules: GUI thread only, like the widgets it watches.

#include <QHash>
#include <QObject>

#include <functional>

class HoverTip;
class QWidget;

class HoverWatch : public QObject {
public:
    using Entered = std::function<void(int index)>;

    HoverWatch(HoverTip &caption, Entered entered, QObject *parent);

    // Gives the widget hover events and watches them.
    void watch(QWidget *widget, int index);
    void setSwallowToolTips(bool on) { swallowToolTips_ = on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HoverTip &caption_;
    const Entered entered_;
    QHash<const QObject *, int> indexes_;
    bool swallowToolTips_ = false;
};

#endif
