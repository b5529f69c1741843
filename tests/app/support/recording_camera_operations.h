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
    QByteArray ssid;
    QByteArray password;
};

class RecordingCameraOperations : public CameraOperations {
public:
    int result = 1;
    bool answersResolutions = true;
    QVector<QSize> offered;
    QList<SentCommand> sent;
    QByteArray answeringIp; // what findCamera reports when result > 0

    int findCamera(const QByteArray &address, QByteArray &answering) override
    {
        sent.append({"find", address, 0, 0, {}, {}});
        if (result > 0)
            answering = answeringIp;
        return result;
    }
    int setAutoFocus(const QByteArray &ip, int on) override
    {
        sent.append({"autofocus", ip, on, 0, {}, {}});
        return result;
    }
    int sendApParams(const QByteArray &ip, int mode, const QByteArray &ssid,
                     const QByteArray &password) override
    {
        sent.append({"ap", ip, mode, 0, ssid, password});
        return result;
    }
    int clearApParams(const QByteArray &ip) override
    {
        sent.append({"clear", ip, 0, 0, {}, {}});
        return result;
    }
    bool getResolutions(const QByteArray &ip, QVector<QSize> &sizes) override
    {
        sent.append({"getres", ip, 0, 0, {}, {}});
        if (answersResolutions)
            sizes = offered;
        return answersResolutions;
    }
    int setResolution(const QByteArray &ip, int width, int height) override
    {
        sent.append({"setres", ip, width, height, {}, {}});
        return result;
    }
};

#endif
