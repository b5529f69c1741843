// SPDX-License-Identifier: GPL-3.0-or-later

// Corner adjustment on screen: handles dragged with the mouse and kept in
// the picture, keys, and the cut-out saved from the full-resolution frame.

#include "test_runner.h"

#include "tools/corner_adjust/corner_adjust_tool.h"
#include "tools/corner_adjust/corner_adjust_view.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A desk with a white card of 200 x 120 at (100, 80) in a 400 x 300
// picture: too small for the detector, so the corners start inset.
QImage deskWithCard(int scale = 1)
{
    QImage picture(400 * scale, 300 * scale, QImage::Format_RGB32);
    picture.fill(QColor(90, 70, 50));
    QPainter painter(&picture);
    painter.fillRect(QRect(100 * scale, 80 * scale, 200 * scale, 120 * scale), Qt::white);
    return picture;
}

void drag(QWidget *w, QPointF from, QPointF to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    for (int step = 1; step <= 4; ++step) {
        const QPointF at = from + (to - from) * step / 4.0;
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

struct Stage {
    Stage()
    {
        window.resize(800, 720);
        CornerAdjustTool::Parts parts;
        parts.fullPicture = [this] { return full; };
        parts.savePhoto = [this](const QImage &picture, const QString &) {
            saved << picture;
            return failSave ? QString() : QStringLiteral("/photos/cut.jpg");
        };
        parts.reportFailure = [this](const QString &m) { failures << m; };
        tool = std::make_unique<CornerAdjustTool>(&window, parts);
    }
    QWidget window;
    QImage full = deskWithCard(2);
    bool failSave = false;
    QList<QImage> saved;
    QStringList failures;
    std::unique_ptr<CornerAdjustTool> tool;
};

} // namespace

class CornerAdjustTest : public QObject {
    Q_OBJECT

private slots:
    void handlesFollowTheMouseAndOnlyThem()
    {
        Stage stage;
        QVERIFY(stage.tool->open(deskWithCard()));
        CornerAdjustView *view = stage.tool->view();
        QCOMPARE(view->geometry(), stage.window.rect());
        const CornerQuad start = view->adjustment().corners();
        // Top-left from its inset spot onto the card's corner.
        drag(view, view->toWidget(start[kTopLeft]), view->toWidget({100, 80}));
        const cv::Point2f moved = view->adjustment().corners()[kTopLeft];
        QVERIFY(std::abs(moved.x - 100) < 1 && std::abs(moved.y - 80) < 1);
        // A press away from every handle moves nothing.
        const CornerQuad before = view->adjustment().corners();
        drag(view, view->toWidget({200, 150}), view->toWidget({10, 10}));
        QVERIFY(view->adjustment().corners() == before);
    }

    void keysChooseNudgeSaveAndCancel()
    {
        Stage stage;
        QVERIFY(stage.tool->open(deskWithCard()));
        CornerAdjustView *view = stage.tool->view();
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(view->selectedCorner(), int(kTopRight));
        const cv::Point2f before = view->adjustment().corners()[kTopRight];
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Up);
        const cv::Point2f after = view->adjustment().corners()[kTopRight];
        QCOMPARE(after.x, before.x + 10);
        QCOMPARE(after.y, before.y - 1);
        QSignalSpy save(view, &CornerAdjustView::saveRequested);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(save.count(), 1);
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!stage.tool->isOpen());
    }

    void savesTheCutOutFromTheFullResolutionFrame()
    {
        Stage stage;
        QVERIFY(stage.tool->open(deskWithCard()));
        CornerAdjustView *view = stage.tool->view();
        const CornerQuad start = view->adjustment().corners();
        const QPointF card[4] = {view->toWidget({100, 80}), view->toWidget({299, 80}),
                                 view->toWidget({299, 199}), view->toWidget({100, 199})};
        for (int i = 0; i < 4; ++i)
            drag(view, view->toWidget(start[i]), card[i]);
        stage.full = QImage(); // the camera moved on: the frame of the opening counts
        QCOMPARE(stage.tool->save(), QStringLiteral("/photos/cut.jpg"));
        QCOMPARE(stage.saved.size(), 1);
        // The card at twice the size: 398 x 238, all white.
        const QImage cut = stage.saved[0];
        QVERIFY(std::abs(cut.width() - 398) <= 2 && std::abs(cut.height() - 238) <= 2);
        QCOMPARE(QColor(cut.pixel(cut.width() / 2, cut.height() / 2)), QColor(Qt::white));
        QCOMPARE(QColor(cut.pixel(4, 4)), QColor(Qt::white));
        QTRY_VERIFY(!stage.tool->isOpen());
    }

    void aFailedSaveKeepsTheViewAndNoPictureIsSaid()
    {
        Stage stage;
        QVERIFY(!stage.tool->open(QImage()));
        QCOMPARE(stage.failures.size(), 1);
        QVERIFY(stage.tool->open(deskWithCard()));
        stage.failSave = true;
        QVERIFY(stage.tool->save().isEmpty());
        QVERIFY(stage.tool->isOpen());
        QTest::mouseClick(stage.tool->view()->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!stage.tool->isOpen());
    }
};

REGISTER_TEST_CLASS(CornerAdjustTest)
#include "corner_adjust_test.moc"
