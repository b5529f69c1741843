// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_CAMERA_STATE_H
#define CAMSIM_CAMERA_STATE_H

// What the simulated camera knows about itself. The command side changes it
// (a set-resolution command, autofocus, network parameters); the stream side
// reads the current picture size for every frame it renders.
//
// Thread rules: every member function may be called from any thread; one
// mutex guards the whole state.

#include "command/sim_device_settings.h"

#include <functional>
#include <mutex>
#include <vector>

namespace camsim {

struct Resolution {
    int width = 0;
    int height = 0;
    int fps = 30;
};

class SimCameraState {
public:
    SimCameraState();

    std::vector<Resolution> resolutions() const;
    void setResolutions(std::vector<Resolution> list);

    Resolution currentResolution() const;
    // Accepts only sizes from the list; returns whether it was accepted.
    bool selectResolution(int width, int height);

    // The command side's settings: a copy to read, an edit under the lock.
    DeviceSettings settings() const;
    void editSettings(const std::function<void(DeviceSettings &)> &edit);
    // A press of the hardware key: new key code, event counter moves on.
    void pressKey(uint8_t code);

private:
    mutable std::mutex mutex_;
    std::vector<Resolution> resolutions_;
    Resolution current_;
    DeviceSettings settings_;
};

} // namespace camsim

#endif
