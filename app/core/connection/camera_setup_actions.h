// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CAMERA_SETUP_ACTIONS_H
#define CORVANE_CAMERA_SETUP_ACTIONS_H

// What the settings dialog asks of the camera: autofocus on/off, joining a
// router (route mode) and going back to the camera's own access point.
// Every action goes to the camera the live view was started for
// (processValues().cameraIp). The dialog turns the outcome into its boxes.
//
// Thread rules: GUI thread only; each action blocks for the library call.

#include <QString>

class CameraOperations;

enum class SetupOutcome {
    Success,
    Failure,     // the camera refused or did not answer, or there is none
    NothingToDo, // an empty network name or password
    TextTooLong, // name or password does not fit the camera's field
};

class CameraSetupActions {
public:
    // The camera keeps each text in a field of this many bytes.
    static constexpr int kMaxFieldBytes = 32;

    explicit CameraSetupActions(CameraOperations &operations);

    SetupOutcome setAutoFocus(bool on);
    // Mode 2: the camera joins the named network as a station.
    SetupOutcome setRouteMode(const QString &networkName, const QString &password);
    // Forgets the stored route-mode address ("wifi/sta_ip") only when the
    // camera confirms, so a failed reset still finds the camera next start.
    SetupOutcome resetToWifiMode();

private:
    // Empty when no live view has been started yet: then there is nobody to
    // ask, and the action fails at once instead of waiting on time-outs.
    QByteArray cameraAddress() const;

    CameraOperations &operations_;
};

#endif
