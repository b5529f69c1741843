// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's hands-free pages and corner buttons: refused without a
// live picture (said, button released), pages taken from the frames the
// window shows, finished into the PDF composer; corners saved as a photo.

#include "test_runner.h"

#include "core/main_window/corvane.h"
#include "core/startup/process_values.h"
#include "scene/sim_scene_script_renderer.h"
#include "tools/corner_adjust/corner_adjust_tool.h"
#include "tools/corner_adjust/corner_adjust_view.h"
#include "tools/page_capture/my_page_capture_bar.h"
#include "tools/page_capture/page_capture_tool.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QImage frameAt(camsim::SceneScriptRenderer &renderer, const camsim::SceneScript &script, double s)
{
    const cv::Mat bgr = renderer.render(camsim::sceneMomentAt(script, s), 0);
    return QImage(bgr.data, bgr.cols, bgr.rows, static_cast<int>(bgr.step), QImage::Format_BGR888)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PageToolsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void withoutALivePictureTheModeSaysSoAndLetsGo()
    {
        Corvane window;
        window.show();
        QToolButton *pages = window.toolBar()->button(MyToolBar::Pages);
        QVERIFY(pages->isEnabled());
        pages->click();
        QVERIFY(!window.toolBar()->pagesOn());
        auto *banner = window.findChild<QLabel *>("state_label_text");
        QVERIFY(banner->text().contains("live picture"));
        window.toolBar()->button(MyToolBar::Corners)->click();
        QCOMPARE(banner->text(), QCoreApplication::translate(
                                     "CornerAdjustTool", "There is no picture to cut a sheet out of yet."));
        QVERIFY(!window.cornerAdjust().isOpen());
    }

    void pagesOfTheLiveFramesGoIntoTheComposer()
    {
        QTemporaryDir folder;
        processValues().savePath = folder.path();
        camsim::SceneScript script;
        std::string error;
        QVERIFY(camsim::parseSceneScript("page 1 2\nturn 2 1\npage 2 2\n", script, &error));
        camsim::SceneScriptRenderer renderer(640, 480);
        Corvane window;
        window.show();
        window.drawWifiVideoFrame(frameAt(renderer, script, 0));
        window.toolBar()->button(MyToolBar::Pages)->click();
        QVERIFY(window.toolBar()->pagesOn());
        QVERIFY(window.pageCapture().panel()->isVisible());
        // The frames come at their own pace; the watcher's clock is real,
        // so this plays the script in real time (5 s).
        QElapsedTimer played;
        played.start();
        while (played.elapsed() < 5000) {
            window.drawWifiVideoFrame(frameAt(renderer, script, played.elapsed() / 1000.0));
            QTest::qWait(60);
        }
        const QStringList taken = window.pageCapture().session().pages();
        QCOMPARE(taken.size(), 2);
        QCOMPARE(QDir(folder.path()).entryList({"*.jpg"}).size(), 2);
        window.pageCapture().session().finish();
        QVERIFY(!window.toolBar()->pagesOn());
        QVERIFY(window.pdfComposer());
        QCOMPARE(window.pdfComposer()->imagePaths(), taken);
        window.tool_pdf(); // the composer's own button starts empty
        QVERIFY(window.pdfComposer()->imagePaths().isEmpty());
        processValues().savePath = "0";
    }
};

REGISTER_TEST_CLASS(PageToolsWindowTest)
#include "page_tools_window_test.moc"
