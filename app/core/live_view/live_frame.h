// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIVE_FRAME_H
#define CORVANE_LIVE_FRAME_H

// One camera frame on its way to the screen: the picture decoded for
// display (possibly at a reduced scale), the camera's JPEG bytes it came
// from (for full-resolution pixels on demand) and the camera's own picture
// size, read from the JPEG header.
//
// Plain value; the QImage and QByteArray share their data between copies
// with atomic reference counts, so frames may be handed between threads.

#include <QByteArray>
#include <QImage>
#include <QSize>

struct LiveFrame {
    QImage picture;     // null when the frame did not decode
    QByteArray bytes;   // the JPEG as the camera sent it
    QSize cameraSize;   // invalid when the header was unreadable
    quint64 sequence = 0; // order in which the worker took the frames
};

#endif
