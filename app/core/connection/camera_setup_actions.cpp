// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/camera_setup_actions.h"

#include "core/startup/app_settings.h"
#include "core/connection/camera_operations.h"
#include "core/startup/process_values.h"

namespace {
constexpr int kStationMode = 2;

SetupOutcome outcomeOf(int result)
{
    return result != 0 ? SetupOutcome::Success : SetupOutcome::Failure;
}
} // namespace

CameraSetupActions::CameraSetupActions(CameraOperations &operations)
    : operations_(operations)
{
}

SetupOutcome CameraSetupActions::setAutoFocus(bool on)
{
    const QByteArray ip = cameraAddress();
    if (ip.isEmpty())
        return SetupOutcome::Failure;
    return outcomeOf(operations_.setAutoFocus(ip, on ? 1 : 0));
}

SetupOutcome CameraSetupActions::setRouteMode(const QString &networkName,
                                              const QString &password)
{
    if (networkName.isEmpty() || password.isEmpty())
        return SetupOutcome::NothingToDo;
    const QByteArray name = networkName.toLocal8Bit();
    const QByteArray secret = password.toLocal8Bit();
    // The command copies each text into a fixed field; a longer one would
    // be cut off and the camera would try to join the wrong network.
    if (name.size() > kMaxFieldBytes || secret.size() > kMaxFieldBytes)
        return SetupOutcome::TextTooLong;
    const QByteArray ip = cameraAddress();
    if (ip.isEmpty())
        return SetupOutcome::Failure;
    return outcomeOf(operations_.sendApParams(ip, kStationMode, name, secret));
}

SetupOutcome CameraSetupActions::resetToWifiMode()
{
    const QByteArray ip = cameraAddress();
    if (ip.isEmpty())
        return SetupOutcome::Failure;
    const SetupOutcome outcome = outcomeOf(operations_.clearApParams(ip));
    if (outcome == SetupOutcome::Success)
        writeSetting("wifi/sta_ip", QString());
    return outcome;
}

QByteArray CameraSetupActions::cameraAddress() const
{
    return processValues().cameraIp.toLocal8Bit();
}
