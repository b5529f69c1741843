#ifndef CORVANE_MY_WIFI_SELECT_H
#define CORVANE_MY_WIFI_SELECT_H

// The connection dialog shown at start: Wi-Fi mode (the camera's own access
// point at its fixed address), a broadcast search for a camera on the
// router's network, and route mode with a typed or found address. It only
// names the camera (sendWifiIp); the main window starts the preview.
//
// Thread rules: a GUI-thread dialog. The search's blocking queries run on a
// thread the dialog owns (started on the first search, quit and joined in the
// destructor); at most one query is in flight and its answer comes back by
// queued signal, so the events and debug lines keep the order of a search
// run on the GUI thread.

#include "core/connection/broadcast_address_source.h"
#include "core/connection/camera_search_worker.h"

#include <QDialog>
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

    QString broadcastAddress() const { return broadcastAddress_; }
    QString foundIp() const { return foundIp_; }
    QTimer *searchTimer() const { return searchTimer_; }
    QString addressText() const;
    void setAddressText(const QString &text);

signals:
    void sendWifiIp(QString);
    // Internal: hands one query to the search thread.
    void queryRequested(const QString &broadcastAddress);

public slots:
    void btn_sousuo_ip_start();
    void btn_go_wifi();
    void btn_go_route();

protected:
    void changeEvent(QEvent *event) override;

private:
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
};

#endif
