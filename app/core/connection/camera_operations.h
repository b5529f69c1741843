// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CAMERA_OPERATIONS_H
#define CORVANE_CAMERA_OPERATIONS_H

// The camera commands the program sends, as one small interface: the
// search's version query, and what the set-up windows and the live view ask
// of the camera. They talk to this instead of the library so that what they
// would send can be checked without a camera; LibraryCameraOperations is the
// real implementation.
//
// Texts are already in the camera's 8-bit form; results keep the library's
// meaning (non-zero / greater than zero is success).
//
// Thread rules: the search calls findCamera() from its own thread, everything
// else runs on the GUI thread. The library's command functions must not run
// on two threads at once, so LibraryCameraOperations sends every command
// through the CommandLane.

#include <QByteArray>
#include <QSize>
#include <QVector>

class CameraOperations {
public:
    virtual ~CameraOperations() = default;

    // The version query to an address (a broadcast address while searching).
    // Greater than 0 when a camera answered; answeringIp then holds its
    // dotted address.
    virtual int findCamera(const QByteArray &address, QByteArray &answeringIp) = 0;
    virtual int setAutoFocus(const QByteArray &ip, int on) = 0;
    virtual int sendApParams(const QByteArray &ip, int mode, const QByteArray &ssid,
                             const QByteArray &password) = 0;
    virtual int clearApParams(const QByteArray &ip) = 0;
    // False when the camera did not answer; otherwise the offered sizes in
    // the camera's order.
    virtual bool getResolutions(const QByteArray &ip, QVector<QSize> &sizes) = 0;
    virtual int setResolution(const QByteArray &ip, int width, int height) = 0;
};

#endif
