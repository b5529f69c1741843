#include "core/connection/preview_resolution_request.h"

#include "core/connection/library_camera_operations.h"

int askForLargestPicture(const QString &cameraIp, CameraOperations *operations)
{
    CameraOperations &camera = operations ? *operations : LibraryCameraOperations::shared();
    return camera.setResolution(cameraIp.toLocal8Bit(), kPreviewStartWidth, kPreviewStartHeight);
}
