// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_SETTINGS_BAR_H
#define CORVANE_MY_SETTINGS_BAR_H

// The settings dialog: camera autofocus, the camera's network mode (back to
// its own access point, or joining a router) and the software settings
// (language, save folder). The main window builds a new one on every
// opening, so it always starts from the stored settings; nothing is stored
// until the user changes something.
//
// The list of wireless networks is gathered in the background and fills
// `wifi_name` when it arrives; the name field also takes typed text, so a
// network the lister does not see (or a system without a lister) can still
// be entered.
//
// Enter in the Wi-Fi name or password field joins the router, Enter on a
// focused button presses that button, and no button is a default. The
// password shows masked until its reveal button is pressed.
//
// Thread rules: GUI thread only. The camera calls block it for the
// library's time-outs; the network lister runs as a child process watched
// by the event loop.

#include "core/connection/camera_setup_actions.h"
#include "tools/settings/my_settings_bar_seams.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MySettingsBarClass;
}
class WirelessNetworkLister;

class MySettingsBar : public QDialog {
    Q_OBJECT

public:
    // Uses the default seams (the real ones unless replaced below).
    explicit MySettingsBar(QWidget *parent = nullptr);
    explicit MySettingsBar(const MySettingsBarSeams &seams, QWidget *parent = nullptr);
    ~MySettingsBar() override;

    // What dialogs built without explicit seams use from now on; tests of
    // the windows that open this dialog keep it away from the system.
    static void setDefaultSeamsForTests(const MySettingsBarSeams &seams);

signals:
    void signals_change_savePath(QString path);
    void signals_change_language();

public slots:
    void func_change_savePath();
    void func_image_qudise(int state);
    void func_set_sta_mode();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyLookAndShape();
    void connectButtons();
    void joinRouterFromKeyboard();
    void startNetworkList(const NetworkListCommand &command);
    void loadLanguage();
    void loadSavePath();
    void report(SetupOutcome outcome);

    std::unique_ptr<Ui::MySettingsBarClass> ui_;
    CameraSetupActions actions_;
    MySettingsBarSeams::FolderChooser chooseFolder_;
    WirelessNetworkLister *lister_ = nullptr;
};

#endif
