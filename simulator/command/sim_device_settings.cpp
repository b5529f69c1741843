// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_device_settings.h"

namespace camsim {

std::array<PictureParam, 6> DeviceSettings::defaultPictureParams()
{
    // Brightness, contrast, saturation, sharpness, gamma, white balance.
    return {{{-64, 64, 1, 0, 0},
             {0, 100, 1, 50, 50},
             {0, 128, 1, 64, 64},
             {0, 15, 1, 2, 2},
             {72, 500, 1, 100, 100},
             {2800, 6500, 10, 4600, 4600}}};
}

std::vector<uint8_t> DeviceSettings::defaultImuRecord()
{
    std::vector<uint8_t> record(48);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<uint8_t>(i * 7 + 1);
    return record;
}

} // namespace camsim
