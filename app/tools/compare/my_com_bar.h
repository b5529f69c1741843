// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_COM_BAR_H
#define CORVANE_MY_COM_BAR_H

// The compare view's floating bar: three layout buttons (two, four, six
// windows), open a picture file and take the camera picture. It keeps only
// which layout button looks chosen and forwards each click to the main
// window as a signal; the compare page does the work. A black caption
// shows the hovered button's name above it.
//
// Thread rules: GUI thread only. The caption label has no parent; the bar
// owns it.

#include "tools/compare/compare_layout.h"

#include <QDialog>

#include <array>
#include <memory>

class HoverTip;
class QToolButton;

namespace Ui {
class MyComBarClass;
}

class MyComBar : public QDialog {
    Q_OBJECT

public:
    // In layout order, left to right.
    enum Button { Two, Four, Six, File, Scan };
    static constexpr int kButtonCount = Scan + 1;

    explicit MyComBar(QWidget *parent = nullptr);
    ~MyComBar() override;

    QToolButton *button(Button which) const;
    // The caption the button shows on hover, in the current language.
    QString captionFor(Button which) const;
    HoverTip &hoverTip() const { return *caption_; }

    // Shows the layout's button as chosen, without emitting anything.
    void markLayout(CompareLayout layout);
    CompareLayout markedLayout() const { return marked_; }

signals:
    void signals_com2();
    void signals_com4();
    void signals_com6();
    void signals_file();
    void signals_scan();

public slots:
    void slots_com2();
    void slots_com4();
    void slots_com6();
    void slots_file();
    void slots_scan();

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent *event) override;
#endif
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void shape();
    void showCaption(Button which);

    std::unique_ptr<HoverTip> caption_;
    std::unique_ptr<Ui::MyComBarClass> ui_;
    std::array<QToolButton *, kButtonCount> buttons_{};
    CompareLayout marked_ = CompareLayout::Two;
};

#endif
