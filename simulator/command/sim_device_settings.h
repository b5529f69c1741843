// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_DEVICE_SETTINGS_H
#define CAMSIM_DEVICE_SETTINGS_H

// Everything the simulated camera answers on its command port besides the
// resolutions: versions, battery, focus and exposure, picture parameters,
// the hardware key, network parameters, the motion-sensor record. A plain
// value; SimCameraState guards the one instance.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace camsim {

// One picture parameter in the order the camera sends its five words.
struct PictureParam {
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;
    int32_t defaultValue = 0;
    int32_t value = 0;
};

struct NetworkParams {
    int mode = 0; // 0 = own access point
    std::string ssid;
    std::string password;
    std::string staticIp;
};

struct DeviceSettings {
    int32_t version = 30200;
    int32_t batteryLevel = 87;
    int32_t batteryCharge = 1;
    bool chargeReported = true; // bit 16 of the battery reply's second word
    int32_t deviceType = 3;
    int32_t channel = 6;
    int32_t autofocus = 1;
    int32_t autoExposure = 1;
    std::array<PictureParam, 6> pictureParams = defaultPictureParams();
    std::map<uint16_t, int32_t> deviceValues; // generic set/get by code

    uint8_t keyCode = 0;
    uint8_t keyCounter = 0;

    std::string wifiSsid = "camsim";
    std::string wifiPassword;
    NetworkParams network;
    bool ethernet = false;
    bool ledOn = false;
    bool fanOn = false;
    int rebootCount = 0;
    std::string updateUrl;
    uint16_t updatePort = 0;

    std::vector<uint8_t> imuRecord = defaultImuRecord();

    static std::array<PictureParam, 6> defaultPictureParams();
    static std::vector<uint8_t> defaultImuRecord();
};

} // namespace camsim

#endif
