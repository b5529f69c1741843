// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CAMERA_SEARCH_WORKER_H
#define CORVANE_CAMERA_SEARCH_WORKER_H

// Sends one version query of the camera search and reports the answer. Each
// query blocks for up to the library's reply wait (and for any command ahead
// of it in the CommandLane), so it runs off the GUI thread.
//
// Thread rules: lives on the search thread the connection dialog owns; query()
// is reached only by queued signal and answered() goes back queued.

#include <QObject>
#include <QString>

#include <functional>

class CameraOperations;

class CameraSearchWorker : public QObject {
    Q_OBJECT

public:
    // (address, 32-byte reply buffer) -> version, as QV_SendGetVersionWithIp.
    using VersionQuery = std::function<int(const char *, char *)>;

    // The library's query, through the command lane.
    static VersionQuery libraryQuery();
    // The query of any camera operations (not owned; must outlive the search).
    static VersionQuery queryThrough(CameraOperations &operations);

    explicit CameraSearchWorker(VersionQuery query);

public slots:
    void query(const QString &broadcastAddress);

signals:
    void answered(const QString &broadcastAddress, const QString &reply, int version);

private:
    VersionQuery query_;
};

#endif
