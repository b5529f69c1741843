// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RESOLUTION_MENU_CONTROLLER_H
#define CORVANE_RESOLUTION_MENU_CONTROLLER_H

// The resolution menu of the main window: asks the camera which picture
// sizes it offers, shows them in a menu at a fixed place with the size of
// the shown frame marked, and sends the size the user picks. The main
// window's slots side_fenbianlv and func_change_resolution hand their work
// to openMenu and changeResolution; the window connects the returned menu's
// triggered(QAction*) to func_change_resolution.
//
// The current index starts at 3 and is stored under "dev/res" whenever it
// changes; it changes only when a list entry matches the frame or the
// camera accepts a new size. The menu has no parent: the controller owns
// the one it built last and replaces it on the next opening, so there is
// never more than one.
//
// Thread rules: GUI thread only; both camera calls block it.

#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVector>

class CameraOperations;
class QAction;
class QMenu;
class QWidget;

class ResolutionMenuController {
public:
    static constexpr int kInitialIndex = 3;

    // operations: not owned; null means the library itself.
    explicit ResolutionMenuController(CameraOperations *operations = nullptr);
    ~ResolutionMenuController();
    ResolutionMenuController(const ResolutionMenuController &) = delete;
    ResolutionMenuController &operator=(const ResolutionMenuController &) = delete;

    // Null (after a warning box on `window`) when the camera gave no list;
    // the previous menu then stays as it was.
    QMenu *openMenu(QWidget *window, const QSize &frameSize, int screenHeight);
    void changeResolution(QWidget *window, QAction *action);

    const QStringList &labels() const { return labels_; }
    int currentIndex() const { return index_; }
    QMenu *menu() const { return menu_; }

private:
    QMenu *buildMenu(int screenHeight);
    void storeIndex(int index);

    CameraOperations &operations_;
    QStringList labels_;
    int index_ = kInitialIndex;
    QPointer<QMenu> menu_;
};

#endif
