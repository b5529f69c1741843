// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_TOOL_BAR_H
#define CORVANE_MY_TOOL_BAR_H

// The floating row of tool buttons at the bottom of the screen: open the
// picture folder, annotate, record video, record the screen, photo,
// compare, PDF, OCR, bar codes, hands-free pages and corner adjustment. The bar owns no tool logic: it
// keeps which toggle tool is on (ToolToggleMachine), shows it, refuses
// clicks that would start a second tool, and forwards each accepted click
// to the main window as a signal. A black caption shows the hovered
// button's name above it.
//
// The main window disables the buttons of tools that are not built; their
// captions then say so. The state machine and signals stay the same, so a
// tool connects its slot and enables its button.
//
// Thread rules: GUI thread only. The caption label has no parent; the bar
// owns it.

#include "tools/tool_bar/tool_toggle_machine.h"

#include <QDialog>
#include <QKeySequence>

#include <array>
#include <memory>

class HoverTip;
class QToolButton;

namespace Ui {
class MyToolBarClass;
}

class MyToolBar : public QDialog {
    Q_OBJECT

public:
    // In layout order.
    enum Button {
        Folder, Annotate, RecordVideo, RecordScreen, Photo, Compare, Pdf, Ocr, BarCode, Pages,
        Corners
    };
    static constexpr int kButtonCount = Corners + 1;

    // Sized for the primary screen's available height.
    explicit MyToolBar(QWidget *parent = nullptr);
    // Sized for a screen of the given available height: 60-pixel buttons
    // above 965, 52 otherwise (toolBarWidth() wide).
    MyToolBar(int screenHeight, QWidget *parent);
    ~MyToolBar() override;

    QToolButton *button(Button which) const;
    void setAvailable(Button which, bool available);
    bool isAvailable(Button which) const;
    void setShortcutHint(Button which, const QKeySequence &keys);
    // A one-shot tool working in the background shows it on its button
    // until it is done; restyling for toggle tools keeps that look.
    void setBusy(Button which, bool busy);
    // Shows a toggle tool (annotate, record video, record screen, compare)
    // as off again, without a signal: for a tool that could not start or
    // was refused after the click had switched its button on.
    void switchOff(Button which);
    bool isBusy(Button which) const { return busy_[size_t(which)]; }
    // The caption the button shows on hover, in the current language.
    QString captionFor(Button which) const;
    HoverTip &hoverTip() const { return *caption_; }

    bool toolActive() const { return tools_.isActive(); }
    bool annotateOn() const { return tools_.isOn(ToolToggleMachine::Annotate); }
    bool recordVideoOn() const { return tools_.isOn(ToolToggleMachine::RecordVideo); }
    bool recordScreenOn() const { return tools_.isOn(ToolToggleMachine::RecordScreen); }
    bool compareOn() const { return tools_.isOn(ToolToggleMachine::Compare); }
    bool pagesOn() const { return tools_.isOn(ToolToggleMachine::PageCapture); }

signals:
    void signals_wenjianjia();
    void signals_pizhu(bool on);
    void signals_luxiang(bool on);
    void signals_luping(bool on);
    void signals_paizhao();
    void signals_duibi(bool on);
    void signals_ocr();
    void signals_pdf();
    void signals_tiaoma();
    void signals_lianpai(bool on);
    void signals_sijiao();

public slots:
    void slots_wenjianjia();
    void slots_pizhu();
    void slots_luxiang();
    void slots_luping();
    void slots_paizhao();
    void slots_duibi();
    void slots_ocr();
    void slots_pdf();
    void slots_tiaoma();
    void slots_lianpai();
    void slots_sijiao();

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent *event) override;
#endif
    void changeEvent(QEvent *event) override;

private:
    void shape(int screenHeight);
    void connectButtons();
    // Switches a toggle tool; returns the new state, or false with nothing
    // changed when refused (`accepted` tells which).
    bool toggleTool(ToolToggleMachine::Tool tool, Button which, bool &accepted);
    void restyleAll(Button chosen, bool chosenOn);
    void showCaption(Button which);

    std::unique_ptr<HoverTip> caption_;
    std::unique_ptr<Ui::MyToolBarClass> ui_;
    ToolToggleMachine tools_;
    std::array<QToolButton *, kButtonCount> buttons_{};
    std::array<QKeySequence, kButtonCount> shortcuts_{};
    std::array<bool, kButtonCount> busy_{};
};

#endif
