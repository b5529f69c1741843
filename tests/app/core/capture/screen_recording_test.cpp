// SPDX-License-Identifier: GPL-3.0-or-later

// Screen recordings with the tool bar's button: a recording of an X screen
// of the test's own that plays, the refusal without an X screen, and a save
// folder whose file names do not fit grabix's parameter block.

#include "core/capture/grabix_params.h"
#include "core/capture/screen_recording_tool.h"
#include "core/main_window/corvane.h"
#include "core/startup/process_values.h"
#include "tools/tool_bar/my_tool_bar.h"

#include "private_x_server.h"
#include "recorded_video.h"
#include "test_runner.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cstdlib>
#include <cstring>

namespace {

struct Rig {
    Rig()
    {
        processValues().savePath = folder.path();
        window.show();
    }
    ~Rig() { processValues().savePath = "0"; }
    QToolButton *recordButton() const { return window.toolBar()->button(MyToolBar::RecordScreen); }
    QString banner() const { return window.findChild<QLabel *>("state_label_text")->text(); }
    QStringList files() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    Corvane window;
};

// Restores DISPLAY when it goes.
struct DisplayUnset {
    DisplayUnset() : had(qEnvironmentVariableIsSet("DISPLAY")), value(qgetenv("DISPLAY"))
    {
        unsetenv("DISPLAY");
    }
    ~DisplayUnset()
    {
        if (had)
            qputenv("DISPLAY", value);
    }
    bool had;
    QByteArray value;
};

} // namespace

class ScreenRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsRecordedIntoAFileThatPlays()
    {
        PrivateXServer screen(800, 600);
        if (!screen.running())
            QSKIP(screen.problem().c_str());
        Rig rig;
        rig.recordButton()->click();
        QVERIFY2(rig.window.screenRecording().recording(), qPrintable(rig.banner()));
        QVERIFY(rig.window.findChild<QWidget *>("widget_luxiang")->isVisible());
        const QString path = rig.window.screenRecording().recordingNow().path();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 64 * 1024, 20000);
        rig.recordButton()->click();
        QVERIFY(!rig.window.screenRecording().recording());
        QCOMPARE(rig.banner(), "Screen Recording successfully saved to [" + path + "]");
        QVERIFY(rig.window.findChild<QWidget *>("widget_luxiang")->isHidden());

        // The window's width by the picture area's height.
        const QSize area(rig.window.screenWidth(), rig.window.viewHeight());
        const RecordedVideo video = inspectRecording(path);
        QCOMPARE(video.declared, area);
        QVERIFY(!video.frames.isEmpty());
        QCOMPARE(video.frames.count(area), video.frames.size());
        QVERIFY(video.decodesCleanly);
    }

    void withoutAnXScreenTheRecordingIsRefusedAndTheButtonGoesBack()
    {
        DisplayUnset noScreen;
        Rig rig;
        rig.recordButton()->click();
        QCOMPARE(rig.banner(), ScreenRecordingTool::tr("The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded)."));
        QVERIFY(!rig.window.toolBar()->recordScreenOn());
        QVERIFY(!rig.window.screenRecording().recording());
        QVERIFY(rig.window.findChild<QWidget *>("widget_luxiang")->isHidden());
        QVERIFY(rig.files().isEmpty());
    }

    void aFileNameTooLongForGrabixIsRefused()
    {
        Rig rig;
        // 259 bytes fit with their terminator; one more does not.
        GrabixParams params;
        std::memset(&params, 0x5a, sizeof params);
        QVERIFY(fillGrabixParams(&params, QByteArray(259, 'p'), true, QRect(0, 0, 800, 568)));
        QCOMPARE(QByteArray(params.path, 259), QByteArray(259, 'p'));
        QCOMPARE(params.path[259], '\0');
        QCOMPARE(params.audio, 1);
        QCOMPARE(params.frameRate, 20);
        QCOMPARE(params.width, 800);
        QCOMPARE(params.height, 568);
        QCOMPARE(params.kind, 4);
        QCOMPARE(params.reserved, 0);
        std::memset(&params, 0x5a, sizeof params);
        QVERIFY(!fillGrabixParams(&params, QByteArray(260, 'p'), false, QRect(0, 0, 800, 568)));
        QCOMPARE(params.audio, 0x5a5a5a5a); // untouched

        processValues().savePath = rig.folder.path() + "/" + QString(240, QLatin1Char('f'));
        rig.recordButton()->click();
        QVERIFY(rig.banner().startsWith(ScreenRecordingTool::tr("The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.")
                                            .section("%1", 0, 0)));
        QVERIFY(!rig.window.toolBar()->recordScreenOn());
        QVERIFY(rig.files().isEmpty());
    }
};

REGISTER_TEST_CLASS(ScreenRecordingTest)
#include "screen_recording_test.moc"
