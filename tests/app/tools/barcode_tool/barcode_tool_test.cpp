// SPDX-License-Identifier: GPL-3.0-or-later

// The bar code button: every code's text on the clipboard, joined by tabs,
// and in the banner; a failed reading leaves the clipboard alone; the
// picture is read as the screen shows it (mirrored, zoomed).

#include "core/main_window/corvane.h"
#include "core/main_window/status_banner.h"
#include "tools/barcode_tool/barcode_tool.h"
#include "tools/tool_bar/my_tool_bar.h"

#include "code_drawing.h"
#include "test_runner.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QtTest>

namespace {

QImage qrPicture(const std::string &text)
{
    const benchcodes::CodeDrawing code = benchcodes::drawQr(text, -1, text, 6.0);
    QImage patch(code.patch.cols, code.patch.rows, QImage::Format_Grayscale8);
    for (int y = 0; y < code.patch.rows; ++y)
        std::memcpy(patch.scanLine(y), code.patch.ptr(y), size_t(code.patch.cols));
    return patch;
}

// A camera-sized picture with the codes side by side on white.
QImage pictureWith(const QStringList &texts)
{
    QImage picture(1600, 900, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int x = 100;
    for (const QString &text : texts) {
        const QImage code = qrPicture(text.toStdString());
        painter.drawImage(x, 200, code);
        x += code.width() + 200;
    }
    return picture;
}

} // namespace

class BarcodeToolTest : public QObject {
    Q_OBJECT

    QWidget strip_;
    QLabel icon_, text_;
    StatusBanner banner_{&strip_, &icon_, &text_, nullptr};

private slots:
    void everyCodeGoesToTheClipboardJoinedByTabs()
    {
        BarcodeTool tool(QApplication::clipboard(), &banner_);
        const QString text = tool.read(pictureWith({"first code", "ΔΕΥΤΕΡΟ 第二"}));
        QStringList parts = text.split('\t');
        parts.sort();
        QCOMPARE(parts, QStringList({"first code", "ΔΕΥΤΕΡΟ 第二"}));
        QCOMPARE(QApplication::clipboard()->text(), text);
        QCOMPARE(text_.text(), "Recognition successfully [ " + text + " ]");
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aFailedReadingLeavesTheClipboardAlone()
    {
        QApplication::clipboard()->setText("kept");
        BarcodeTool tool(QApplication::clipboard(), &banner_);
        QVERIFY(tool.read(pictureWith({})).isEmpty());
        QCOMPARE(text_.text(), QStringLiteral("Recognition Failed"));
        QVERIFY(tool.read(QImage()).isEmpty());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void thePictureIsReadAsTheScreenShowsIt()
    {
        Corvane window;
        window.show();
        window.sideShowAndHide();
        auto *banner = window.findChild<QLabel *>("state_label_text");
        // A code in the middle and one near the left edge; the camera sees
        // them mirrored, and the view mirrors them back.
        QImage scene(1600, 900, QImage::Format_RGB32);
        scene.fill(Qt::white);
        QPainter painter(&scene);
        painter.drawImage(60, 350, qrPicture("near the edge"));
        painter.drawImage(720, 350, qrPicture("in the middle"));
        painter.end();
        window.drawWifiVideoFrame(scene.mirrored(true, false));
        window.side_zuoyoujingxiang();
        QCOMPARE(window.fullResolutionPicture().convertToFormat(QImage::Format_RGB32), scene);
        window.toolBar()->button(MyToolBar::BarCode)->click();
        QVERIFY(banner->text().contains("near the edge") && banner->text().contains("in the middle"));

        // Zoomed in to the middle half: the edge code is off screen.
        for (int i = 0; i < 5; ++i)
            window.side_fangda();
        window.toolBar()->button(MyToolBar::BarCode)->click();
        QCOMPARE(banner->text(), QStringLiteral("Recognition successfully [ in the middle ]"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("in the middle"));
    }
};

REGISTER_TEST_CLASS(BarcodeToolTest)
#include "barcode_tool_test.moc"
