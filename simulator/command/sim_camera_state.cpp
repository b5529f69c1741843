// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_camera_state.h"

namespace camsim {

SimCameraState::SimCameraState()
    : resolutions_{{3840, 2880, 30}, {2592, 1944, 30}, {1920, 1080, 30},
                   {1600, 1200, 30}, {1280, 720, 30}, {640, 480, 30}},
      current_{1920, 1080, 30}
{
}

std::vector<Resolution> SimCameraState::resolutions() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return resolutions_;
}

void SimCameraState::setResolutions(std::vector<Resolution> list)
{
    std::lock_guard<std::mutex> lock(mutex_);
    resolutions_ = std::move(list);
}

Resolution SimCameraState::currentResolution() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return current_;
}

bool SimCameraState::selectResolution(int width, int height)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Resolution &r : resolutions_) {
        if (r.width == width && r.height == height) {
            current_ = r;
            return true;
        }
    }
    return false;
}

DeviceSettings SimCameraState::settings() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_;
}

void SimCameraState::editSettings(const std::function<void(DeviceSettings &)> &edit)
{
    std::lock_guard<std::mutex> lock(mutex_);
    edit(settings_);
}

void SimCameraState::pressKey(uint8_t code)
{
    std::lock_guard<std::mutex> lock(mutex_);
    settings_.keyCode = code;
    ++settings_.keyCounter;
}

} // namespace camsim
