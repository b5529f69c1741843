#ifndef CORVANE_CAMERA_SEARCH_WORKER_H
#define CORVANE_CAMERA_SEARCH_WORKER_H

// Sends one version query of the camera search and reports the answer. Each
// query blocks for up to the library's reply wait, so it runs off the GUI
// thread.
//
// Thread rules: lives on the search thread the connection dialog owns; query()
// is reached only by queued signal and answered() goes back queued.

#include <QObject>
#include <QString>

#include <functional>

class CameraSearchWorker : public QObject {
    Q_OBJECT

public:
    // (address, 32-byte reply buffer) -> version, as QV_SendGetVersionWithIp.
    using VersionQuery = std::function<int(const char *, char *)>;

    // The library's query.
    static VersionQuery libraryQuery();

    explicit CameraSearchWorker(VersionQuery query);

public slots:
    void query(const QString &broadcastAddress);

signals:
    void answered(const QString &broadcastAddress, const QString &reply, int version);

private:
    VersionQuery query_;
};

#endif
