// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORNER_ADJUST_TOOL_H
#define CORVANE_CORNER_ADJUST_TOOL_H

// Corner adjustment, for when detection finds no sheet or the wrong one:
// open() freezes the picture shown (and takes the camera's full-resolution
// frame of that moment) and lays the corner view over the window, the
// corners on the sheet the detector finds in the frozen picture or at an
// inset of it. Saving cuts the sheet out of the full-resolution frame and
// saves it as a new photo; a failed save is said and leaves the view open
// to try again. Cancelling closes the view; the live picture goes on.
//
// Thread rules: GUI thread only. The window owns the tool; the view is a
// child of the window, deleted when it closes.

#include <QCoreApplication>
#include <QImage>
#include <QPointer>

#include <functional>

class CornerAdjustView;
class QWidget;

class CornerAdjustTool {
    Q_DECLARE_TR_FUNCTIONS(CornerAdjustTool)

public:
    struct Parts {
        // The current frame at the camera's full resolution, as shown.
        std::function<QImage()> fullPicture;
        // Saves a photo under a new name and says so; its path, or an
        // empty string (the failure already said).
        std::function<QString(const QImage &picture, const QString &note)> savePhoto;
        std::function<void(const QString &message)> reportFailure;
    };

    CornerAdjustTool(QWidget *window, Parts parts);
    ~CornerAdjustTool();

    // shown: the picture on screen now. False (and said) without one.
    bool open(const QImage &shown);
    bool isOpen() const;
    CornerAdjustView *view() const;

    // What Enter and Esc do; public for the window's shortcuts and tests.
    // save() returns the saved file's path, or an empty string.
    QString save();
    void cancel();

private:
    QWidget *window_;
    Parts parts_;
    QImage full_;
    QPointer<CornerAdjustView> view_;
};

#endif
