// The connection dialog's search against the simulated camera's command
// side on a loopback address of its own (127.31.<test>.1). The address source
// hands the dialog that address instead of a wireless broadcast address, so
// nothing leaves loopback.

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/connection/my_wifi_select.h"

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>

namespace {

std::atomic<int> unanswered{0};
QtMessageHandler previousHandler = nullptr;

void countUnanswered(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg && message.startsWith(QLatin1String("broadcast: \"127.31.2.1\""))
        && message.endsWith(QLatin1String("version: 0")))
        ++unanswered;
}

} // namespace

class DiscoveryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

    static std::unique_ptr<MyWifiSelect> dialogSearching(const QString &address)
    {
        return std::make_unique<MyWifiSelect>(std::make_unique<FixedBroadcastSource>(address),
                                              CameraSearchWorker::libraryQuery());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void searchFindsTheCameraAndRouteModeStoresIt()
    {
        camsim::SimCameraState state;
        camsim::SimCommandSide camera(state);
        camsim::CommandSideOptions options;
        options.bindAddress = "127.31.1.1";
        QVERIFY2(camera.start(options), camera.error().c_str());

        auto dialog = dialogSearching(QStringLiteral("127.31.1.1"));
        dialog->findChild<QPushButton *>("pushButton_sousuo_ip_start")->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog->foundIp(), QStringLiteral("127.31.1.1"), 15000);
        QCOMPARE(dialog->addressText(), QStringLiteral("127.31.1.1"));
        QVERIFY(!dialog->searchTimer()->isActive());

        QSignalSpy named(dialog.get(), &MyWifiSelect::sendWifiIp);
        dialog->findChild<QPushButton *>("pushButton_go_route")->click();
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(0).toString(), QStringLiteral("127.31.1.1"));
        // Pre-filled at the next start.
        QCOMPARE(dialogSearching(QString())->addressText(), QStringLiteral("127.31.1.1"));
        camera.stop();
    }

    void searchWithoutAnswerKeepsQueryingAndLogsOnce()
    {
        writeSetting("wifi/sta_ip", QString());
        camsim::SimCameraState state;
        camsim::SimCommandSide camera(state);
        camsim::CommandSideOptions options;
        options.bindAddress = "127.31.2.1";
        QVERIFY2(camera.start(options), camera.error().c_str());
        camera.faults().add({camsim::kAnyCode, camsim::FaultKind::NoReply, camsim::kForever});

        auto dialog = dialogSearching(QStringLiteral("127.31.2.1"));
        unanswered = 0;
        previousHandler = qInstallMessageHandler(countUnanswered);
        dialog->findChild<QPushButton *>("pushButton_sousuo_ip_start")->click();
        // A third query has started, so two unanswered ones (three tries
        // each) have come back to the dialog.
        QTRY_VERIFY_WITH_TIMEOUT(camera.received().size() >= 7, 20000);
        qInstallMessageHandler(previousHandler);
        QCOMPARE(unanswered.load(), 1);
        QVERIFY(dialog->searchTimer()->isActive());
        QVERIFY(dialog->foundIp().isEmpty());
        QVERIFY(dialog->addressText().isEmpty());
        dialog.reset();
        camera.stop();
    }
};

QTEST_MAIN(DiscoveryTest)
#include "discovery_test.moc"
