// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCREEN_RECORDING_H
#define CORVANE_SCREEN_RECORDING_H

// One recording of a screen rectangle into a video file, made by the
// grabix library on threads of its own between start() and stop(). What
// grabix reports (grabix_LastError) after starting and after stopping is
// passed on, so a recording that never ran or whose file is incomplete is
// not taken for a success. Without an X screen (no DISPLAY, a Wayland
// session) starting fails with NoScreen and no file is made.
//
// Thread rules: GUI thread only; grabix's threads live between its start
// and stop calls, which this object makes, and the destructor finishes a
// recording still running.

#include <QByteArray>
#include <QRect>
#include <QString>

struct Grabix;

class ScreenRecording {
public:
    enum class Problem {
        None,
        PathTooLong,   // the path does not fit grabix's parameter block
        NoScreen,      // no X server, Wayland, or an unsupported X screen
        FileCreate,    // the file cannot be created
        FileWrite,     // the file could not be finished
        ScreenLost,    // the screen went away; the file holds what came before
        Failed         // anything else grabix reports (see grabixError())
    };

    ScreenRecording() = default;
    ~ScreenRecording();
    ScreenRecording(const ScreenRecording &) = delete;
    ScreenRecording &operator=(const ScreenRecording &) = delete;

    // `area` in screen pixels.
    Problem start(const QString &path, const QRect &area, bool audio);
    Problem stop();
    bool running() const { return handle_ != nullptr; }
    const QString &path() const { return path_; }
    int grabixError() const { return lastError_; }

    static Problem problemFor(int grabixError);

private:
    Grabix *handle_ = nullptr;
    QString path_;
    int lastError_ = 0;
};

#endif
