// The settings dialog's camera buttons and the resolution menu against the
// in-process simulated camera, through the real library. Each test has its
// own loopback address (127.6.<test>.1) because the command port is fixed
// and ctest runs executables side by side.

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/connection/my_wifi_select.h"
#include "core/connection/preview_resolution_request.h"
#include "message_box_catcher.h"
#include "tools/settings/my_settings_bar.h"
#include "core/startup/process_values.h"
#include "core/resolution/resolution_menu_controller.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <set>
#include <string>

namespace {
// A simulated camera answering on one loopback address for one test.
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
    const camsim::SimCommandSide &side() const { return side_; }
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

// The command codes of the set-resolution request and the version query.
constexpr int kSetResolutionCode = 8;
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

bool searchIsMidExchange(const camsim::SimCommandSide &camera)
{
    const std::vector<camsim::SimRequest> log = camera.received();
    return !log.empty() && log.back().code == kVersionCode;
}

MySettingsBarSeams quietSeams()
{
    MySettingsBarSeams seams;
    seams.networkListCommand = NetworkListCommand(); // never scan in tests
    return seams;
}

QPushButton *button(QWidget &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
}
} // namespace

class CameraSetupSimTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsFolder_;

private slots:
    void initTestCase()
    {
        QVERIFY(settingsFolder_.isValid());
        setSettingsFolderForTests(settingsFolder_.path());
    }

    void autofocusButtonsSwitchTheCamerasAutofocus()
    {
        SimulatedCamera camera("127.6.1.1");
        QVERIFY(camera.started());
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        button(dialog, "pushButton_duijiao_reset")->click();
        QCOMPARE(camera.state.settings().autofocus, 0);
        button(dialog, "pushButton_duijiao_set")->click();
        QCOMPARE(camera.state.settings().autofocus, 1);
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[0].title, QString("set"));
        QCOMPARE(boxes.boxes[0].text, QString("set success"));
        QCOMPARE(boxes.boxes[1].text, QString("set success"));
    }

    void autofocusUnansweredShowsFailure()
    {
        SimulatedCamera camera("127.6.2.1");
        QVERIFY(camera.started());
        camera.neverAnswer();
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        button(dialog, "pushButton_duijiao_set")->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("set fail"));
    }

    void routeModeReachesTheCameraWithNameAndPassword()
    {
        SimulatedCamera camera("127.6.3.1");
        QVERIFY(camera.started());
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        dialog.findChild<QComboBox *>("wifi_name")->setCurrentText("Home Net");
        dialog.findChild<QLineEdit *>("wifi_password")->setText(QString(32, QLatin1Char('p')));
        button(dialog, "pushButton_wifi_set_route")->click();
        const camsim::NetworkParams network = camera.state.settings().network;
        QCOMPARE(network.mode, 2);
        QCOMPARE(QString::fromStdString(network.ssid), QString("Home Net"));
        QCOMPARE(QString::fromStdString(network.password), QString(32, QLatin1Char('p')));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("set success"));
    }

    void resetForgetsTheRouteAddressOnlyWhenTheCameraConfirms()
    {
        SimulatedCamera camera("127.6.4.1");
        QVERIFY(camera.started());
        camera.state.editSettings([](camsim::DeviceSettings &s) {
            s.network.mode = 2;
            s.network.ssid = "Home";
        });
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        writeSetting("wifi/sta_ip", "10.0.0.5");
        button(dialog, "pushButton_wifi_set_wifi")->click();
        QCOMPARE(camera.state.settings().network.mode, 0);
        QCOMPARE(readSettingOr("wifi/sta_ip", "unset"), QString(""));
        QCOMPARE(boxes.boxes.last().text, QString("set success"));

        writeSetting("wifi/sta_ip", "10.0.0.5");
        camera.neverAnswer();
        button(dialog, "pushButton_wifi_set_wifi")->click();
        QCOMPARE(readSettingOr("wifi/sta_ip", "unset"), QString("10.0.0.5"));
        QCOMPARE(boxes.boxes.last().text, QString("set fail"));
    }

    void resolutionMenuListsTheCamerasSizesAndSwitchesTheStream()
    {
        SimulatedCamera camera("127.6.5.1");
        QVERIFY(camera.started());
        camera.state.setResolutions({{3840, 2880, 30}, {1920, 1080, 30}, {640, 480, 30}});
        MessageBoxCatcher boxes;
        ResolutionMenuController controller;
        QMenu *menu = controller.openMenu(nullptr, QSize(1920, 1080), 1080);
        QVERIFY(menu);
        QCOMPARE(controller.labels(),
                 QStringList({"3840 x 2880", "1920 x 1080", "640 x 480"}));
        QCOMPARE(controller.currentIndex(), 1);
        QVERIFY(menu->actions().at(1)->isChecked());

        controller.changeResolution(nullptr, menu->actions().at(2));
        QCOMPARE(camera.state.currentResolution().width, 640);
        QCOMPARE(camera.state.currentResolution().height, 480);
        QCOMPARE(controller.currentIndex(), 2);
        QCOMPARE(readSetting("dev/res"), QString("2"));
        QVERIFY(boxes.boxes.isEmpty());
    }

    void unconfirmedSizeKeepsTheMark()
    {
        SimulatedCamera camera("127.6.6.1");
        QVERIFY(camera.started());
        camera.state.setResolutions({{1920, 1080, 30}, {1280, 720, 30}});
        MessageBoxCatcher boxes;
        ResolutionMenuController controller;
        QMenu *menu = controller.openMenu(nullptr, QSize(1920, 1080), 1080);
        QVERIFY(menu);
        QCOMPARE(controller.currentIndex(), 0);
        QCOMPARE(readSetting("dev/res"), QString("0"));
        camera.neverAnswer(kSetResolutionCode);
        controller.changeResolution(nullptr, menu->actions().at(1));
        QCOMPARE(controller.currentIndex(), 0);
        QCOMPARE(readSetting("dev/res"), QString("0"));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.boxes[0].title, QString("Set Resolution"));
        QCOMPARE(boxes.boxes[0].text, QString("Set Resolution Fail"));
        QCOMPARE(boxes.boxes[0].buttonCount, 1);
    }

    void unansweredListWarnsAndBuildsNoMenu()
    {
        SimulatedCamera camera("127.6.7.1");
        QVERIFY(camera.started());
        camera.neverAnswer();
        MessageBoxCatcher boxes;
        ResolutionMenuController controller;
        QVERIFY(controller.openMenu(nullptr, QSize(1920, 1080), 1080) == nullptr);
        QVERIFY(controller.menu() == nullptr);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("Get Resolution Fail, Please Obtain Again"));
    }

    void searchAndCameraCommandsTakeTurns()
    {
        // The search never gets an answer, so each of its queries is three
        // requests over about 1.5 s; every command of the settings dialog,
        // the resolution menu and the live view's start is sent while one of
        // those is under way, and must wait for it to end.
        SimulatedCamera camera("127.6.8.1");
        QVERIFY(camera.started());
        camera.neverAnswer(kVersionCode);
        camera.state.setResolutions({{3840, 2880, 30}, {1920, 1080, 30}});
        MyWifiSelect search(std::make_unique<FixedBroadcastSource>("127.6.8.1"),
                            CameraSearchWorker::libraryQuery());
        MessageBoxCatcher boxes;
        MySettingsBar dialog(quietSeams());
        ResolutionMenuController resolutions;
        search.btn_sousuo_ip_start();

        const std::vector<std::function<void()>> commands = {
            [&] { button(dialog, "pushButton_duijiao_set")->click(); },
            [&] { QVERIFY(resolutions.openMenu(nullptr, QSize(), 1080)); },
            [&] { resolutions.changeResolution(nullptr, resolutions.menu()->actions().at(1)); },
            [&] { QVERIFY(askForLargestPicture(QStringLiteral("127.6.8.1")) != 0); },
        };
        for (const auto &command : commands) {
            QTRY_VERIFY_WITH_TIMEOUT(searchIsMidExchange(camera.side()), 10000);
            command();
        }
        QTRY_VERIFY_WITH_TIMEOUT(searchIsMidExchange(camera.side()), 10000);
        search.finish();

        const QString interrupted = interruptedExchange(camera.side().received());
        QVERIFY2(interrupted.isEmpty(), qPrintable("interrupted exchange: " + interrupted));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("set success"));
        QCOMPARE(camera.state.currentResolution().width, 3840);
    }
};

QTEST_MAIN(CameraSetupSimTest)
#include "camera_setup_sim_test.moc"
