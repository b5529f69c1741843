// SPDX-License-Identifier: GPL-3.0-or-later

// The OCR button of the main window: shown and enabled, wired to the tool,
// refused while a toggle tool is on.

#include "test_runner.h"

#include "core/main_window/corvane.h"
#include "tools/ocr/ocr_session.h"
#include "tools/ocr/ocr_tool.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

class OcrWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonReadsTheCurrentFrameUnlessAToggleToolIsOn()
    {
        Corvane window;
        window.show();
        window.sideShowAndHide();
        QToolButton *ocr = window.toolBar()->button(MyToolBar::Ocr);
        QVERIFY(ocr->isVisible());
        QVERIFY(ocr->isEnabled());
        auto *banner = window.findChild<QLabel *>("state_label_text");
        // No camera yet: no frame, and the banner says so.
        ocr->click();
        QCOMPARE(banner->text(),
                 QCoreApplication::translate("OcrTool", "There is no picture to read yet."));
        // With annotation on, the button is refused before the tool.
        window.toolBar()->button(MyToolBar::Annotate)->click();
        banner->clear();
        ocr->click();
        QVERIFY(banner->text().isEmpty());
        QVERIFY(!window.ocrTool().session().busy());
        window.toolBar()->button(MyToolBar::Annotate)->click();
    }
};

REGISTER_TEST_CLASS(OcrWindowTest)
#include "ocr_window_test.moc"
