// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_WIFI_SELECT_H
#define CORVANE_MY_WIFI_SELECT_H

// The connection dialog shown at start: Wi-Fi mode (the camera's own access
// point at its fixed address), a broadcast search for a camera on the
// router's network, and route mode with a typed or found address. It only
// names the camera (sendWifiIp); the main window starts the preview.
//
// It stays in front of the main window and keeps the keyboard until a camera
// is chosen: the window system knows it as the main window's dialog (a
// transient parent; its Qt lifetime stays its own), it is raised and
// activated once the main window is mapped and whenever the main window
// takes the activation. Enter in the address field means route mode and no
// button is an automatic default; Esc does not dismiss it; closing it ends
// the program (closedWithoutCamera).
//
// Thread rules: a GUI-thread dialog. The search's blocking queries run on a
// thread the dialog owns (started on the first search, quit and joined in the
// destructor); at most one query is in flight and its answer comes back by
// queued signal, so the events and debug lines keep the order of a search
// run on the GUI thread. The search stops when a camera is chosen.

#include "core/connection/broadcast_address_source.h"
#include "core/connection/camera_search_worker.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>


class QThread;
class QTimer;

namespace Ui {
class MyWifiSelectClass;
}

class MyWifiSelect : public QDialog {
    Q_OBJECT

public:
    static constexpr const char *kAccessPointAddress = "192.168.10.123";

    // Searches the wireless interface's broadcast address with the library's
    // query unless told otherwise.
    MyWifiSelect(std::unique_ptr<BroadcastAddressSource> addresses,
                 CameraSearchWorker::VersionQuery query, QWidget *parent = nullptr);
    ~MyWifiSelect() override;

    // Shows the dialog as `window`'s dialog for the window system and keeps
    // it in front of that window until finish(). Closing the dialog before a
    // camera is chosen closes `window`.
    void showInFrontOf(QWidget *window);
    // The live view has started: stops the search, hides the dialog for
    // good and brings the main window back if it was minimised.
    void finish();

    QString broadcastAddress() const { return broadcastAddress_; }
    QString foundIp() const { return foundIp_; }
    QTimer *searchTimer() const { return searchTimer_; }
    QString addressText() const;
    void setAddressText(const QString &text);
    // What the dialog tells about the typed address; empty when all is well.
    QString addressHint() const;

signals:
    void sendWifiIp(QString);
    // The person closed the dialog without choosing a camera.
    void closedWithoutCamera();
    // Internal: hands one query to the search thread.
    void queryRequested(const QString &broadcastAddress);

public slots:
    void btn_sousuo_ip_start();
    void btn_go_wifi();
    void btn_go_route();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseCamera(const QString &address);
    void stopSearch();
    void bringToFront();
    void showAddressHint(const QString &text);
    void queryTick();
    void onAnswered(const QString &broadcastAddress, const QString &reply, int version);
    void ensureSearchThread();

    std::unique_ptr<Ui::MyWifiSelectClass> ui_;
    std::unique_ptr<BroadcastAddressSource> addresses_;
    CameraSearchWorker::VersionQuery query_;
    QString broadcastAddress_;
    QString foundIp_;
    QTimer *searchTimer_ = nullptr;
    QThread *searchThread_ = nullptr;
    CameraSearchWorker *searchWorker_ = nullptr;
    bool queryInFlight_ = false;
    // An unanswered search logs its first miss only, not every tick.
    bool missLogged_ = false;
    bool cameraChosen_ = false;
    QPointer<QWidget> mainWindow_;
};

#endif
