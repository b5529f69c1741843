// The settings dialog's camera actions on a recording camera: what is
// never sent (no live camera, empty or overlong texts) and how the 32-byte
// limit is counted. What is sent is checked against the simulated camera.

#include "core/connection/camera_setup_actions.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"

#include <QTextCodec>
#include <QtTest>

#include "test_runner.h"

class CameraSetupActionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { processValues().cameraIp = QStringLiteral("127.6.101.1"); }
    void cleanup() { processValues().cameraIp.clear(); }

    void withoutALiveCameraEveryActionFailsWithoutSending()
    {
        processValues().cameraIp.clear();
        RecordingCameraOperations camera;
        CameraSetupActions actions(camera);
        QCOMPARE(actions.setAutoFocus(true), SetupOutcome::Failure);
        QCOMPARE(actions.setRouteMode("Home", "secret12"), SetupOutcome::Failure);
        QCOMPARE(actions.resetToWifiMode(), SetupOutcome::Failure);
        QVERIFY(camera.sent.isEmpty());
    }

    void routeModeWithAnEmptyFieldDoesNothing()
    {
        RecordingCameraOperations camera;
        CameraSetupActions actions(camera);
        QCOMPARE(actions.setRouteMode("", "secret12"), SetupOutcome::NothingToDo);
        QCOMPARE(actions.setRouteMode("Home", ""), SetupOutcome::NothingToDo);
        QVERIFY(camera.sent.isEmpty());
    }

    void routeModeTextsMayFillButNotExceedTheirField()
    {
        RecordingCameraOperations camera;
        CameraSetupActions actions(camera);
        const QString full(32, QLatin1Char('n'));
        const QString over(33, QLatin1Char('n'));
        QCOMPARE(actions.setRouteMode(full, full), SetupOutcome::Success);
        QCOMPARE(camera.sent.last().ssid.size(), 32);
        QCOMPARE(actions.setRouteMode(over, "secret12"), SetupOutcome::TextTooLong);
        QCOMPARE(actions.setRouteMode("Home", over), SetupOutcome::TextTooLong);
        QCOMPARE(camera.sent.size(), 1);
    }

    void routeModeCountsBytesOfTheLocalEncodingNotCharacters()
    {
        QTextCodec *previous = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        RecordingCameraOperations camera;
        CameraSetupActions actions(camera);
        // Two bytes per character: 16 fill the field, 17 do not.
        const QString fits(16, QChar(0x00E9));
        const QString tooLong(17, QChar(0x00E9));
        const SetupOutcome fitting = actions.setRouteMode(fits, "secret12");
        const SetupOutcome refused = actions.setRouteMode(tooLong, "secret12");
        QTextCodec::setCodecForLocale(previous);
        QCOMPARE(fitting, SetupOutcome::Success);
        QCOMPARE(refused, SetupOutcome::TextTooLong);
        QCOMPARE(camera.sent.size(), 1);
        QCOMPARE(camera.sent.first().ssid, fits.toUtf8());
    }
};

REGISTER_TEST_CLASS(CameraSetupActionsTest)
#include "camera_setup_actions_test.moc"
