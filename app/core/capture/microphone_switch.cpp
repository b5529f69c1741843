// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/microphone_switch.h"

#include "core/main_window/status_banner.h"
#include "core/startup/app_settings.h"

#include <QIcon>
#include <QToolButton>

MicrophoneSwitch::MicrophoneSwitch(QToolButton *button, StatusBanner *banner)
    : button_(button), banner_(banner)
{
    showChoice(isOn());
}

bool MicrophoneSwitch::isOn() const
{
    return readSetting(QLatin1String(kSetting)).toInt() != 0;
}

void MicrophoneSwitch::toggle()
{
    const bool on = !isOn();
    writeSetting(QLatin1String(kSetting), on ? QStringLiteral("1") : QStringLiteral("0"));
    showChoice(on);
    banner_->showNote(on ? tr("The next screen recordings record sound from the microphone.")
                         : tr("The next screen recordings are silent."));
}

void MicrophoneSwitch::showChoice(bool on)
{
    button_->setIcon(QIcon(on ? QStringLiteral(":/static/mai.png") : QStringLiteral(":/static/mai1.png")));
}
