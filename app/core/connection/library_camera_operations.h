// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LIBRARY_CAMERA_OPERATIONS_H
#define CORVANE_LIBRARY_CAMERA_OPERATIONS_H

// CameraOperations on top of the qv_camera library. Each call blocks for
// the library's command time-outs, and first for the commands ahead of it
// in the CommandLane.
//
// Thread rules: any thread; every library call runs inside the lane.

#include "core/connection/camera_operations.h"

struct ResolutionList;

class LibraryCameraOperations : public CameraOperations {
public:
    int findCamera(const QByteArray &address, QByteArray &answeringIp) override;
    int setAutoFocus(const QByteArray &ip, int on) override;
    int sendApParams(const QByteArray &ip, int mode, const QByteArray &ssid,
                     const QByteArray &password) override;
    int clearApParams(const QByteArray &ip) override;
    bool getResolutions(const QByteArray &ip, QVector<QSize> &sizes) override;
    int setResolution(const QByteArray &ip, int width, int height) override;

    // The one instance the windows use unless a test hands them another.
    static LibraryCameraOperations &shared();

    // Reads the sizes out of a list block. The count byte is trusted only up
    // to the number of slots the block has.
    static QVector<QSize> sizesFromList(const ResolutionList &list);
};

#endif
