// SPDX-License-Identifier: GPL-3.0-or-later

// The program's camera commands through the real library against the
// in-process simulated camera: the settings dialog's buttons, the resolution
// menu, the connection dialog's search, and all of them taking turns in the
// command lane. Each test has its own loopback address (127.6.<test>.1)
// because the command port is fixed and ctest runs programs side by side.

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/connection/my_wifi_select.h"
#include "core/live_view/preview_calls.h"
#include "message_box_catcher.h"
#include "tools/settings/my_settings_bar.h"
#include "core/startup/process_values.h"
#include "core/resolution/resolution_menu_controller.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <set>
#include <string>

#include "test_runner.h"

namespace {
// A simulated camera answering on one loopback address, the live camera of
// the program for one test.
class SimulatedCamera {
public:
    explicit SimulatedCamera(const char *address) : side_(state)
    {
        camsim::CommandSideOptions options;
        options.bindAddress = address;
        started_ = side_.start(options);
        processValues().cameraIp = QString::fromLatin1(address);
    }
    ~SimulatedCamera() { processValues().cameraIp.clear(); }

    bool started() const { return started_; }
    std::vector<camsim::SimRequest> received() const { return side_.received(); }
    // Requests still reach the camera; only the answers are lost.
    void neverAnswer(int code = camsim::kAnyCode)
    {
        side_.faults().add({code, camsim::FaultKind::NoReply, camsim::kForever});
    }

    camsim::SimCameraState state;

private:
    camsim::SimCommandSide side_;
    bool started_ = false;
};

constexpr int kVersionCode = 0x1002;

// An exchange is a request and its retries: one sender, one sequence
// number. Returns the first one that another exchange interrupted, or "".
QString interruptedExchange(const std::vector<camsim::SimRequest> &log)
{
    std::set<std::string> seen;
    std::string current;
    for (const camsim::SimRequest &request : log) {
        const std::string key = request.from + " seq " + std::to_string(request.seq);
        if (key != current && !seen.insert(current = key).second)
            return QString::fromStdString(key);
    }
    return QString();
}

MySettingsBarSeams quietSeams()
{
    MySettingsBarSeams seams;
    seams.networkListCommand = NetworkListCommand(); // never scan in tests
    return seams;
}

void click(QWidget &dialog, const char *name)
{
    dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click();
}

std::unique_ptr<MyWifiSelect> searchingDialog(const char *address)
{
    return std::make_unique<MyWifiSelect>(std::make_unique<FixedBroadcastSource>(address),
                                          CameraSearchWorker::libraryQuery());
}
} // namespace

class CameraSetupSimTest : public QObject {
    Q_OBJECT

private slots:
    void settingsButtonsReachTheCamera()
    {
        SimulatedCamera camera("127.6.1.1");
        QVERIFY(camera.started());
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        click(dialog, "pushButton_duijiao_reset");
        QCOMPARE(camera.state.settings().autofocus, 0);
        click(dialog, "pushButton_duijiao_set");
        QCOMPARE(camera.state.settings().autofocus, 1);

        dialog.findChild<QComboBox *>("wifi_name")->setCurrentText("Home Net");
        dialog.findChild<QLineEdit *>("wifi_password")->setText(QString(32, QLatin1Char('p')));
        click(dialog, "pushButton_wifi_set_route");
        camsim::NetworkParams network = camera.state.settings().network;
        QCOMPARE(network.mode, 2);
        QCOMPARE(QString::fromStdString(network.ssid), QString("Home Net"));
        QCOMPARE(QString::fromStdString(network.password), QString(32, QLatin1Char('p')));

        click(dialog, "pushButton_wifi_set_wifi");
        QCOMPARE(camera.state.settings().network.mode, 0);

        // Unanswered, each button says so.
        camera.neverAnswer();
        for (const char *name :
             {"pushButton_duijiao_set", "pushButton_wifi_set_route", "pushButton_wifi_set_wifi"})
            click(dialog, name);
        QStringList shown;
        for (const CaughtBox &box : boxes.boxes)
            shown << box.text;
        QCOMPARE(shown, QStringList({"set success", "set success", "set success", "set success",
                                     "set fail", "set fail", "set fail"}));
    }

    void resolutionMenuListsTheCamerasSizesAndSwitchesTheStream()
    {
        SimulatedCamera camera("127.6.2.1");
        QVERIFY(camera.started());
        camera.state.setResolutions({{3840, 2880, 30}, {1920, 1080, 30}, {640, 480, 30}});
        MessageBoxCatcher boxes;
        ResolutionMenuController controller;
        QMenu *menu = controller.openMenu(nullptr, QSize(1920, 1080), 1080);
        QVERIFY(menu);
        QCOMPARE(controller.labels(), QStringList({"3840 x 2880", "1920 x 1080", "640 x 480"}));
        QCOMPARE(controller.currentIndex(), 1);
        controller.changeResolution(nullptr, menu->actions().at(2));
        QCOMPARE(camera.state.currentResolution().width, 640);
        QCOMPARE(camera.state.currentResolution().height, 480);
        QCOMPARE(controller.currentIndex(), 2);
        QVERIFY(boxes.boxes.isEmpty());

        // Unanswered: the mark stays, and no list means no menu.
        camera.neverAnswer();
        controller.changeResolution(nullptr, menu->actions().at(0));
        QCOMPARE(controller.currentIndex(), 2);
        QVERIFY(controller.openMenu(nullptr, QSize(1920, 1080), 1080) == nullptr);
        QCOMPARE(boxes.boxes.size(), 2);
    }

    void searchFindsTheCameraAndRouteModeNamesIt()
    {
        SimulatedCamera camera("127.6.3.1");
        QVERIFY(camera.started());
        auto dialog = searchingDialog("127.6.3.1");
        click(*dialog, "pushButton_sousuo_ip_start");
        QTRY_COMPARE_WITH_TIMEOUT(dialog->foundIp(), QStringLiteral("127.6.3.1"), 15000);
        QSignalSpy named(dialog.get(), &MyWifiSelect::sendWifiIp);
        click(*dialog, "pushButton_go_route");
        QCOMPARE(named.value(0).value(0).toString(), QStringLiteral("127.6.3.1"));
    }

    void searchAndCameraCommandsTakeTurns()
    {
        // The search never gets an answer, so each of its queries is three
        // requests over about 1.5 s; every command of the settings dialog,
        // the resolution menu and the live view's start is sent while one of
        // those is under way, and must wait for it to end.
        SimulatedCamera camera("127.6.4.1");
        QVERIFY(camera.started());
        camera.neverAnswer(kVersionCode);
        camera.state.setResolutions({{3840, 2880, 30}, {1920, 1080, 30}});
        auto search = searchingDialog("127.6.4.1");
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        ResolutionMenuController resolutions;
        search->btn_sousuo_ip_start();

        const auto searchIsMidExchange = [&camera] {
            const std::vector<camsim::SimRequest> log = camera.received();
            return !log.empty() && log.back().code == kVersionCode;
        };
        const std::vector<std::function<void()>> commands = {
            [&] { click(dialog, "pushButton_duijiao_set"); },
            [&] { QVERIFY(resolutions.openMenu(nullptr, QSize(), 1080)); },
            [&] { resolutions.changeResolution(nullptr, resolutions.menu()->actions().at(1)); },
            [&] { QVERIFY(PreviewCalls::library().setResolution("127.6.4.1", 3840, 2880) != 0); },
        };
        for (const auto &command : commands) {
            QTRY_VERIFY_WITH_TIMEOUT(searchIsMidExchange(), 10000);
            command();
        }
        QTRY_VERIFY_WITH_TIMEOUT(searchIsMidExchange(), 10000);
        search->finish();

        const QString interrupted = interruptedExchange(camera.received());
        QVERIFY2(interrupted.isEmpty(), qPrintable("interrupted exchange: " + interrupted));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("set success"));
        QCOMPARE(camera.state.currentResolution().width, 3840);
    }
};

REGISTER_TEST_CLASS(CameraSetupSimTest)
#include "camera_setup_sim_test.moc"
