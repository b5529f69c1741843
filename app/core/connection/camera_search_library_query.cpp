#include "core/connection/camera_search_worker.h"

#include "qv_camera.h"

// Kept apart from the worker so code that brings its own query does not
// need the library.
CameraSearchWorker::VersionQuery CameraSearchWorker::libraryQuery()
{
    return [](const char *ip, char *reply) { return QV_SendGetVersionWithIp(ip, reply); };
}
