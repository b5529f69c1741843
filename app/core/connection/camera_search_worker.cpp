// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/camera_search_worker.h"

#include <cstring>

CameraSearchWorker::CameraSearchWorker(VersionQuery query) : query_(std::move(query))
{
}

void CameraSearchWorker::query(const QString &broadcastAddress)
{
    // One spare byte so the reply is a terminated string whatever the
    // library leaves in the 32 it may fill.
    char reply[33];
    std::memset(reply, 0, sizeof reply);
    const QByteArray address = broadcastAddress.toLocal8Bit();
    const int version = query_(address.constData(), reply);
    reply[32] = '\0';
    emit answered(broadcastAddress, QString::fromLocal8Bit(reply), version);
}

#include "moc_camera_search_worker.cpp"
