// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_CAPTURE_SESSION_H
#define CORVANE_PAGE_CAPTURE_SESSION_H

// Hands-free page capture: while on, every live frame goes to the page
// watcher, and each time a new page lies still a deskewed photo of it is
// saved (page_cut.h) through the program's photo saving. The photos are
// kept in order; finishing hands them to the PDF composer. Switching off
// keeps the files and only ends the watching.
//
// The sensitivity (PageWatchSettings levels) is remembered in the settings
// store under "dev/pageCaptureSensitivity".
//
// Thread rules: GUI thread only; frames come from the window's frame slot.
// The watcher runs synchronously there (well under a millisecond a frame);
// a photo costs one full-resolution picture and one detection per page.

#include "imaging/page_watch/page_turn_watcher.h"
#include "imaging/transforms/milliseconds_clock.h"

#include <QImage>
#include <QObject>
#include <QStringList>

#include <functional>

class PageCaptureSession : public QObject {
    Q_OBJECT

public:
    struct Parts {
        // The current frame at the camera's full resolution, as shown.
        std::function<QImage()> fullPicture;
        // Saves a photo under a new name and says so; the file's path, or
        // an empty string (the failure already said).
        std::function<QString(const QImage &picture, const QString &note)> savePhoto;
        // Opens the PDF composer with these pictures in this order.
        std::function<void(const QStringList &pictures)> compose;
        // Says why something did not happen (the banner's cross).
        std::function<void(const QString &message)> reportFailure;
        MillisecondsClock clock; // steady clock when empty
    };

    // What the panel says about the picture.
    enum class Hint { Waiting, Moving, HoldStill, Taken, SamePage, NotSaved };

    static constexpr const char *kSensitivityKey = "dev/pageCaptureSensitivity";

    explicit PageCaptureSession(Parts parts, QObject *parent = nullptr);

    // Starts watching; refused (and said so) without a live picture.
    bool start(bool livePicture);
    // Stops watching; the photos stay on disk.
    void stop();
    // Stops and hands the photos to the PDF composer; with none taken,
    // says so and opens nothing.
    void finish();

    void frameArrived(const QImage &frame);

    void setSensitivity(int level);
    int sensitivity() const { return sensitivity_; }

    bool active() const { return active_; }
    const QStringList &pages() const { return pages_; }
    Hint hint() const { return hint_; }

signals:
    // The count or the hint changed.
    void progressed();
    // Watching ended, by stop() or finish().
    void ended();

private:
    void takePage();
    void setHint(Hint hint);

    Parts parts_;
    PageTurnWatcher watcher_;
    int sensitivity_;
    bool active_ = false;
    QStringList pages_;
    Hint hint_ = Hint::Waiting;
};

#endif
