// SPDX-License-Identifier: GPL-3.0-or-later

// The camera actions of the settings dialog on a recording camera: nothing
// is sent without a live camera or with an empty field, each text may fill
// but not exceed its 32-byte field in the local encoding, and the stored
// route address is forgotten only when the camera confirms the reset.

#include "core/startup/app_settings.h"
#include "core/connection/camera_setup_actions.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"

#include <QTextCodec>
#include <QtTest>

#include "test_runner.h"

class CameraSetupActionsTest : public QObject {
    Q_OBJECT

private:
    RecordingCameraOperations camera_;
    CameraSetupActions actions_{camera_};

private slots:
    void init()
    {
        camera_ = RecordingCameraOperations();
        processValues().cameraIp = QStringLiteral("127.6.101.1");
    }
    void cleanup() { processValues().cameraIp.clear(); }

    void nothingIsSentWithoutALiveCameraOrWithAnEmptyField()
    {
        QCOMPARE(actions_.setRouteMode("", "secret12"), SetupOutcome::NothingToDo);
        QCOMPARE(actions_.setRouteMode("Home", ""), SetupOutcome::NothingToDo);
        processValues().cameraIp.clear();
        QCOMPARE(actions_.setAutoFocus(true), SetupOutcome::Failure);
        QCOMPARE(actions_.setRouteMode("Home", "secret12"), SetupOutcome::Failure);
        QCOMPARE(actions_.resetToWifiMode(), SetupOutcome::Failure);
        QVERIFY(camera_.sent.isEmpty());
    }

    void textsMayFillButNotExceedTheirFieldInBytes()
    {
        const QString full(32, QLatin1Char('n')), over(33, QLatin1Char('n'));
        QCOMPARE(actions_.setRouteMode(full, full), SetupOutcome::Success);
        QCOMPARE(camera_.sent.last().ssid, full.toLatin1());
        QCOMPARE(camera_.sent.last().a, 2); // station mode
        QCOMPARE(actions_.setRouteMode(over, "secret12"), SetupOutcome::TextTooLong);
        QCOMPARE(actions_.setRouteMode("Home", over), SetupOutcome::TextTooLong);
        // Two bytes per character in UTF-8: 16 fill the field, 17 do not.
        QTextCodec *previous = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        const SetupOutcome fitting = actions_.setRouteMode(QString(16, QChar(0xE9)), "secret12");
        const SetupOutcome refused = actions_.setRouteMode(QString(17, QChar(0xE9)), "secret12");
        QTextCodec::setCodecForLocale(previous);
        QCOMPARE(fitting, SetupOutcome::Success);
        QCOMPARE(refused, SetupOutcome::TextTooLong);
        QCOMPARE(camera_.sent.size(), 2);
        QCOMPARE(camera_.sent.last().ssid, QString(16, QChar(0xE9)).toUtf8());
    }

    void routeAddressIsForgottenOnlyWhenTheCameraConfirmsTheReset()
    {
        writeSetting("wifi/sta_ip", "10.0.0.5");
        camera_.result = 0;
        QCOMPARE(actions_.resetToWifiMode(), SetupOutcome::Failure);
        QCOMPARE(readSetting("wifi/sta_ip"), QStringLiteral("10.0.0.5"));
        camera_.result = 1;
        QCOMPARE(actions_.resetToWifiMode(), SetupOutcome::Success);
        QCOMPARE(readSettingOr("wifi/sta_ip", "unset"), QString());
        QCOMPARE(camera_.sent.last().name, QByteArray("clear"));
    }
};

REGISTER_TEST_CLASS(CameraSetupActionsTest)
#include "camera_setup_actions_test.moc"
