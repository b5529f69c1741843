// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_CURTAIN_BAR_H
#define CORVANE_MY_CURTAIN_BAR_H

// The curtain: a frameless black window over the whole screen that the
// presenter pulls open edge by edge with the four handles on its edges
// (CurtainGeometry does the arithmetic). The round button in its middle, or
// Esc, closes (hides) it; the main window deletes it when it opens the
// next one. Like the panels, it takes the keyboard when the mouse enters
// it, since the main window does the same.
//
// Thread rules: GUI thread only.

#include "tools/curtain/curtain_geometry.h"

#include <QWidget>
#include <memory>

namespace Ui {
class MyCurtainBarClass;
}

class MyCurtainBar : public QWidget {
    Q_OBJECT

public:
    // Covers (0, 0, screenWidth, screenHeight), the available desktop area.
    MyCurtainBar(int screenWidth, int screenHeight);
    ~MyCurtainBar() override;

    const CurtainGeometry &geometryModel() const { return model_; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent *event) override;
#endif
    void changeEvent(QEvent *event) override;

private:
    void layOut();

    std::unique_ptr<Ui::MyCurtainBarClass> ui_;
    CurtainGeometry model_;
};

#endif
