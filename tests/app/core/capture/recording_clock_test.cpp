// SPDX-License-Identifier: GPL-3.0-or-later

// The recording clock on a clock the test moves, and the microphone switch.

#include "core/capture/microphone_switch.h"
#include "core/capture/recording_clock.h"
#include "core/main_window/status_banner.h"
#include "core/startup/app_settings.h"

#include "test_runner.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

class RecordingClockTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheElapsedTimeAndResetsWhenStopped()
    {
        QWidget window;
        auto *box = new QWidget(&window);
        auto *time = new QLabel(box);
        long long now = 50000;
        RecordingClock clock(box, time, [&now] { return now; });
        QVERIFY(box->isHidden());

        clock.start(QPoint(174, 368));
        QCOMPARE(box->pos(), QPoint(174, 368));
        QVERIFY(!box->isHidden());
        QCOMPARE(clock.timer().interval(), 1000);
        QCOMPARE(time->text(), QStringLiteral("00:00:00"));
        now += 1000;
        QVERIFY(QMetaObject::invokeMethod(&clock.timer(), "timeout"));
        QCOMPARE(time->text(), QStringLiteral("00:00:01"));
        // A tick that comes late or early still shows its own second.
        now += 1030;
        clock.refresh();
        QCOMPARE(time->text(), QStringLiteral("00:00:02"));
        now += 960;
        clock.refresh();
        QCOMPARE(time->text(), QStringLiteral("00:00:03"));
        // A busy window that misses ticks does not make the clock lag.
        now += 3600 * 1000 + 59 * 1000;
        clock.refresh();
        QCOMPARE(time->text(), QStringLiteral("01:01:02"));

        clock.stop();
        QCOMPARE(time->text(), QStringLiteral("00:00:00"));
        QVERIFY(box->isHidden());
        // Stopped, nothing moves on.
        now += 5000;
        clock.refresh();
        QCOMPARE(time->text(), QStringLiteral("00:00:00"));

        // A new recording starts from zero at its own place.
        clock.start(QPoint(256, 368));
        now += 1000;
        clock.refresh();
        QCOMPARE(time->text(), QStringLiteral("00:00:01"));
        QCOMPARE(box->pos(), QPoint(256, 368));
        QCOMPARE(RecordingClock::format(100LL * 3600 * 1000), QStringLiteral("100:00:00"));
    }

    void microphoneSwitchIsTheStoredSoundChoice()
    {
        writeSetting("dev/mic", "0");
        QWidget strip;
        QLabel icon, text;
        StatusBanner banner(&strip, &icon, &text, nullptr);
        QToolButton button;
        MicrophoneSwitch mic(&button, &banner);
        QVERIFY(!mic.isOn());
        const qint64 off = button.icon().cacheKey();
        mic.toggle();
        QVERIFY(mic.isOn());
        QCOMPARE(readSetting("dev/mic"), QStringLiteral("1"));
        QVERIFY(button.icon().cacheKey() != off);
        QCOMPARE(text.text(), MicrophoneSwitch::tr("The next screen recordings record sound from the microphone."));
        mic.toggle();
        QCOMPARE(readSetting("dev/mic"), QStringLiteral("0"));
        QCOMPARE(text.text(), MicrophoneSwitch::tr("The next screen recordings are silent."));
    }
};

REGISTER_TEST_CLASS(RecordingClockTest)
#include "recording_clock_test.moc"
