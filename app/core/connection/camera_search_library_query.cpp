// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/camera_search_worker.h"

#include "core/connection/camera_operations.h"
#include "core/connection/library_camera_operations.h"

#include <QByteArray>

// Kept apart from the worker so code that brings its own query does not
// need the library.
CameraSearchWorker::VersionQuery CameraSearchWorker::libraryQuery()
{
    return queryThrough(LibraryCameraOperations::shared());
}

CameraSearchWorker::VersionQuery CameraSearchWorker::queryThrough(CameraOperations &operations)
{
    return [&operations](const char *address, char *reply) {
        QByteArray answeringIp;
        const int version = operations.findCamera(QByteArray(address), answeringIp);
        // The worker's buffer holds 32 bytes; a dotted address needs 16.
        qstrncpy(reply, answeringIp.constData(), 32);
        return version;
    };
}
