// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMPARE_PAGE_CONTROLLER_H
#define CORVANE_COMPARE_PAGE_CONTROLLER_H

// The compare page (stacked page 2): switched on and off from the tool bar,
// it shows two, four or six windows side by side, each with a still picture
// opened from a file or taken from the camera's current frame, turned and
// zoomed on its own or all together. A press on a window selects it (the
// page turns white and a blue frame marks the window); a press between the
// windows selects none (the page turns yellow: the side bar's rotate and
// zoom then act on every window). The state lives in CompareModel; this
// class puts it on the page's widgets and shows the messages.
//
// Presses arrive in main-window coordinates and are mapped into the page's
// own, so the test matches what the user sees also in full-screen mode.
//
// Outside reach goes through seams: the current camera frame and the file
// chooser (tests replace the chooser so no real dialog opens); message boxes
// go through MessageBoxPresenter.
//
// Thread rules: GUI thread only. The widgets belong to the main window's
// form and the bar to the main window; both outlive this controller.

#include "core/pages/page_controller.h"
#include "tools/compare/compare_model.h"
#include "tools/compare/compare_page_widgets.h"

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class MyComBar;
class QFrame;
class QStackedWidget;
class QWidget;

class ComparePageController : public PageController {
    Q_DECLARE_TR_FUNCTIONS(ComparePageController)

public:
    // Returns the chosen file, or an empty text on cancel.
    using PictureChooser = std::function<QString(QWidget *parent, const QString &caption,
                                                 const QString &startFolder)>;
    using FrameSource = std::function<QImage()>;

    struct Parts {
        ComparePageWidgets widgets;
        QStackedWidget *stack = nullptr; // holds the page at index 2
        MyComBar *bar = nullptr;
        QSize pageSize;                  // the layouts' width and height
        FrameSource currentFrame;
        PictureChooser choosePicture;    // empty = the default chooser
    };

    explicit ComparePageController(Parts parts);
    ~ComparePageController() override;

    // What controllers built without their own chooser use from now on
    // (empty = QFileDialog::getOpenFileName); for tests.
    static void setDefaultPictureChooserForTests(PictureChooser chooser);

    // The tool bar's compare button: on shows the bar and the page with two
    // windows, off hides them and returns to the live page.
    void switchOn(bool on);
    void showLayout(CompareLayout layout);
    // Into the selected window; without one, a warning and nothing else.
    void openPicture();
    void takePicture();

    void rotateLeft() override;
    void rotateRight() override;
    void zoomIn() override;
    void zoomOut() override;
    void mousePress(QMouseEvent *event) override;

    const CompareModel &model() const { return model_; }
    // The frame marking the selected window.
    QFrame *selectionMark() const { return mark_; }

private:
    void placeWindows();
    void showWindow(int number);
    void showChanged(const QVector<int> &numbers);
    // Moves the selection mark; with `restylePage` also colours the page.
    void showSelection(bool restylePage);
    void warn(const QString &text);
    QWidget *dialogParent() const;

    Parts parts_;
    CompareModel model_;
    QFrame *mark_ = nullptr; // child of the page
};

#endif
