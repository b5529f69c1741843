// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MICROPHONE_SWITCH_H
#define CORVANE_MICROPHONE_SWITCH_H

// The microphone button in the recording clock's box: whether screen
// recordings record sound from the microphone. The choice is the setting
// "dev/mic" ("1" on, "0" off; off while absent), which the screen recording
// reads when it starts, and the button's icon shows it (":/static/mai.png"
// on, ":/static/mai1.png" crossed out). A click switches the setting; a
// recording already running keeps the choice it started with, so the
// banner says the change applies to the next screen recording.
//
// Thread rules: GUI thread only. The button belongs to the window's form.

#include <QCoreApplication>

class QToolButton;
class StatusBanner;

class MicrophoneSwitch {
    Q_DECLARE_TR_FUNCTIONS(MicrophoneSwitch)

public:
    static constexpr const char *kSetting = "dev/mic";

    MicrophoneSwitch(QToolButton *button, StatusBanner *banner);

    bool isOn() const;
    void toggle();

private:
    void showChoice(bool on);

    QToolButton *button_;
    StatusBanner *banner_;
};

#endif
