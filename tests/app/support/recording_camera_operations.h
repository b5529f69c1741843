// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_RECORDING_CAMERA_OPERATIONS_H
#define CORVANE_TEST_RECORDING_CAMERA_OPERATIONS_H

// A camera that answers as told and remembers what it was sent.

#include "core/connection/camera_operations.h"

#include <QByteArray>
#include <QList>
#include <QVector>

struct SentCommand {
    QByteArray name; // "find", "autofocus", "ap", "clear", "getres", "setres"
    QByteArray ip;
    int a = 0;
    int b = 0;
    QByteArray ssid = {};
    QByteArray password = {};
};

class RecordingCameraOperations : public CameraOperations {
public:
    int result = 1;
    bool answersResolutions = true;
    QVector<QSize> offered;
    QList<SentCommand> sent;

    int findCamera(const QByteArray &address, QByteArray &) override
    {
        return send({"find", address});
    }
    int setAutoFocus(const QByteArray &ip, int on) override { return send({"autofocus", ip, on}); }
    int sendApParams(const QByteArray &ip, int mode, const QByteArray &ssid,
                     const QByteArray &password) override
    {
        return send({"ap", ip, mode, 0, ssid, password});
    }
    int clearApParams(const QByteArray &ip) override { return send({"clear", ip}); }
    bool getResolutions(const QByteArray &ip, QVector<QSize> &sizes) override
    {
        send({"getres", ip});
        if (answersResolutions)
            sizes = offered;
        return answersResolutions;
    }
    int setResolution(const QByteArray &ip, int width, int height) override
    {
        return send({"setres", ip, width, height});
    }

private:
    int send(const SentCommand &command)
    {
        sent.append(command);
        return result;
    }
};

#endif
