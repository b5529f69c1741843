// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's side of camera set-up: its title-bar settings button
// and its two resolution slots, with the simulated camera on loopback.

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "message_box_catcher.h"
#include "tools/settings/my_settings_bar.h"
#include "core/startup/process_values.h"
#include "core/resolution/resolution_menu_controller.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

class WindowWiringTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsFolder_;
    std::unique_ptr<Corvane> window_;

    void clickSettings()
    {
        window_->findChild<QToolButton *>("software_settings")->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsFolder_.isValid());
        setSettingsFolderForTests(settingsFolder_.path());
        MySettingsBarSeams quiet;
        quiet.networkListCommand = NetworkListCommand(); // never scan in tests
        MySettingsBar::setDefaultSeamsForTests(quiet);
        window_ = std::make_unique<Corvane>();
    }

    void cleanupTestCase() { window_.reset(); }

    void resolutionSlotsSitInTheWindowsSlotOrder()
    {
        const QMetaObject *meta = window_->metaObject();
        const int language = meta->indexOfSlot("settingChangeLanguage()");
        const int change = meta->indexOfSlot("func_change_resolution(QAction*)");
        const int banner = meta->indexOfSlot("setWidgetStateDui(QString)");
        const int menu = meta->indexOfSlot("side_fenbianlv()");
        const int start = meta->indexOfSlot("startWifiVideo(QString)");
        QVERIFY(language >= 0 && change >= 0 && menu >= 0);
        QCOMPARE(change, language + 1);
        QCOMPARE(banner, change + 1);
        QVERIFY(menu < start);
    }

    void everySettingsClickBuildsOneFreshDialog()
    {
        clickSettings();
        QPointer<MySettingsBar> first = window_->settingsDialog();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(first->parent() == nullptr);
        first->close();
        clickSettings();
        QVERIFY(first.isNull());
        QVERIFY(window_->settingsDialog());
        QVERIFY(window_->settingsDialog()->isVisible());
        window_->settingsDialog()->close();
    }

    void dialogSignalsReachTheWindow()
    {
        clickSettings();
        MySettingsBar *dialog = window_->settingsDialog();
        QTemporaryDir parent;
        const QString folder = parent.path() + QStringLiteral("/new/photos");
        emit dialog->signals_change_savePath(folder);
        QCOMPARE(processValues().savePath, folder);
        QVERIFY(QDir(folder).exists());

        // English is delivered beside the program; the window loads it.
        writeSetting("dev/softwarelanguage", "2");
        emit dialog->signals_change_language();
        QVERIFY(!languageTranslator().isEmpty());
        QTRY_COMPARE(dialog->windowTitle(), QString("Settings"));
        dialog->close();
    }

    void resolutionMenuFromTheWindowSwitchesTheSimulatedCamera()
    {
        camsim::SimCameraState state;
        camsim::SimCommandSide side(state);
        camsim::CommandSideOptions options;
        options.bindAddress = "127.6.21.1";
        QVERIFY(side.start(options));
        state.setResolutions({{1920, 1080, 30}, {1280, 720, 30}});
        processValues().cameraIp = QStringLiteral("127.6.21.1");
        MessageBoxCatcher boxes;

        window_->side_fenbianlv();
        QPointer<QMenu> first = window_->resolutionMenu().menu();
        QVERIFY(first);
        window_->side_fenbianlv();
        QVERIFY(first.isNull()); // two presses leave one menu
        QMenu *menu = window_->resolutionMenu().menu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);

        menu->actions().at(1)->trigger(); // through the menu's triggered signal
        QCOMPARE(state.currentResolution().width, 1280);
        QCOMPARE(state.currentResolution().height, 720);
        QCOMPARE(window_->resolutionMenu().currentIndex(), 1);
        QVERIFY(boxes.boxes.isEmpty());
        processValues().cameraIp.clear();
    }
};

QTEST_MAIN(WindowWiringTest)
#include "window_wiring_test.moc"
