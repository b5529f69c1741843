// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PHOTO_TOOL_H
#define CORVANE_PHOTO_TOOL_H

// The tool bar's photo button. Which picture it saves follows the side
// bar's modes, crop first, then deskew, then the plain picture:
// - crop: the screen inside the red crop frame (crop_grab_area.h);
// - deskew: the found sheet, straightened and cut out of the camera's
//   full-resolution frame (deskewed_picture.h); before a sheet has been
//   found under the current view, the whole picture, and the banner says so;
// - otherwise the current frame as shown (turned, mirrored, zoomed), from
//   the camera's full-resolution frame.
// The photo is written as a new JPEG file (never over another file) named
// by makePhotoPath(). The banner says where it went, or why nothing was
// saved: no picture yet, crop on without a rectangle, or the write failed.
//
// Thread rules: GUI thread only. The parts belong to the window and
// outlive the tool.

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>

class SheetTracker;
class StatusBanner;
class ViewTransforms;

class PhotoTool {
    Q_DECLARE_TR_FUNCTIONS(PhotoTool)

public:
    struct Parts {
        const ViewTransforms *view = nullptr;
        const SheetTracker *sheets = nullptr;
        // The current frame as shown, at the camera's full resolution.
        std::function<QImage()> fullPicture;
        // The screen's pixels of an area in window coordinates.
        std::function<QPixmap(const QRect &)> grabScreen;
        StatusBanner *banner = nullptr;
    };

    explicit PhotoTool(Parts parts);

    // Takes the photo and says the outcome; returns the file's path when a
    // photo was saved, else an empty string.
    QString take();

    // Saves a picture prepared elsewhere (a page taken hands-free, a
    // cut-out from adjusted corners) the same way: a new file by
    // makePhotoPath(), the banner saying where it went (with the note) or
    // why it was not saved. The file's path, or an empty string.
    QString save(const QImage &picture, const QString &note);

private:

    Parts parts_;
};

#endif
