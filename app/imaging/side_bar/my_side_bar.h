// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_SIDE_BAR_H
#define CORVANE_MY_SIDE_BAR_H

// The floating column of picture buttons at the left edge of the screen:
// resolution, rotate left and right, zoom in and out, mirror left-right and
// top-bottom, deskew, crop, curtain and freeze. The bar keeps only the
// pressed look of its toggles (at most one of the two mirrors, deskew and
// crop; freeze on its own), shows a black caption beside the hovered
// button, and raises one signal per button; the main window does the work.
//
// The pressed flags follow the clicks on the bar, not the main window's
// view state: a mirror clicked while the annotation page shows is pressed
// here although the live picture is not mirrored.
//
// Thread rules: GUI thread only. The caption label has no parent; the bar
// owns it.

#include "imaging/side_bar/exclusive_toggles.h"

#include <QDialog>
#include <QKeySequence>

#include <array>
#include <memory>

class HoverTip;
class QToolButton;

namespace Ui {
class MySideBarClass;
}

class MySideBar : public QDialog {
    Q_OBJECT

public:
    // In layout order, top to bottom.
    enum Button {
        Resolution, RotateLeft, RotateRight, ZoomIn, ZoomOut, MirrorLeftRight, MirrorTopBottom,
        Deskew, Crop, Curtain, Freeze
    };
    static constexpr int kButtonCount = Freeze + 1;

    // Sized for the primary screen's available height.
    explicit MySideBar(QWidget *parent = nullptr);
    // 60-pixel buttons on screens taller than 965 pixels, 40 otherwise.
    MySideBar(int screenHeight, QWidget *parent);
    ~MySideBar() override;

    QToolButton *button(Button which) const;
    void setAvailable(Button which, bool available);
    bool isAvailable(Button which) const;
    void setShortcutHint(Button which, const QKeySequence &keys);
    // The caption the button shows on hover, in the current language.
    QString captionFor(Button which) const;
    HoverTip &hoverTip() const { return *caption_; }

    bool freezeShown() const { return freezeShown_; }
    bool mirrorHorizontalShown() const { return toggles_.isPressed(ExclusiveToggles::MirrorLeftRight); }
    bool mirrorVerticalShown() const { return toggles_.isPressed(ExclusiveToggles::MirrorTopBottom); }
    bool deskewShown() const { return toggles_.isPressed(ExclusiveToggles::Deskew); }
    bool cropShown() const { return toggles_.isPressed(ExclusiveToggles::Crop); }
    bool toggleBusy() const { return toggles_.isBusy(); }

signals:
    void signals_fenbianlv();
    void signals_zuozhuan();
    void signals_youzhuan();
    void signals_zuoyoujingxiang();
    void signals_shangxiajingxiang();
    void signals_fangda();
    void signals_suoxiao();
    void signals_jiupian(int on);
    void signals_caijian(int on);
    void signals_zhezhao();
    void signals_dongjie();

public slots:
    void slots_fenbianlv();
    void slots_zuozhuan();
    void slots_youzhuan();
    void slots_zuoyoujingxiang();
    void slots_shangxiajingxiang();
    void slots_fangda();
    void slots_suoxiao();
    void slots_jiupian();
    void slots_caijian();
    void slots_zhezhao();
    void slots_dongjie();

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent *event) override;
#endif
    void changeEvent(QEvent *event) override;

private:
    void shape(int screenHeight);
    void connectButtons();
    // Presses or releases an exclusive toggle's look; returns the outcome.
    ExclusiveToggles::Outcome clickToggle(ExclusiveToggles::Toggle toggle, Button which);
    void showCaption(Button which);

    std::unique_ptr<Ui::MySideBarClass> ui_;
    std::unique_ptr<HoverTip> caption_;
    std::array<QToolButton *, kButtonCount> buttons_{};
    std::array<QKeySequence, kButtonCount> shortcuts_{};
    ExclusiveToggles toggles_;
    bool freezeShown_ = false;
};

#endif
