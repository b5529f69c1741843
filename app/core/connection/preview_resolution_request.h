#ifndef CORVANE_PREVIEW_RESOLUTION_REQUEST_H
#define CORVANE_PREVIEW_RESOLUTION_REQUEST_H

// Every live view starts by asking its camera for the largest picture it
// has, 3840 x 2880. Sent like every other command, through the command lane.
//
// Thread rules: GUI thread; blocks for the command's time-outs and for the
// commands ahead of it in the lane.

#include <QString>

class CameraOperations;

constexpr int kPreviewStartWidth = 3840;
constexpr int kPreviewStartHeight = 2880;

// The library's answer (non-zero: the camera accepted). operations: not
// owned; null means the library itself.
int askForLargestPicture(const QString &cameraIp, CameraOperations *operations = nullptr);

#endif
