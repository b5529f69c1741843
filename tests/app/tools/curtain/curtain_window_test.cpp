// SPDX-License-Identifier: GPL-3.0-or-later

// The curtain from the side bar: a new full-screen curtain each time, its
// handles dragged with mouse events, the close button and Esc.

#include "test_runner.h"

#include "core/main_window/corvane.h"
#include "imaging/side_bar/my_side_bar.h"
#include "tools/curtain/my_curtain_bar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {

void sendMouse(QWidget &target, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target.mapFromGlobal(global), global, Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

} // namespace

class CurtainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theSideBarOpensANewCurtainThatHandlesDragAndButtonOrEscClose()
    {
        Corvane window;
        window.show();
        window.sideShowAndHide();
        window.sideBar()->button(MySideBar::Curtain)->click();
        QPointer<MyCurtainBar> first = window.curtain();
        QVERIFY(first && first->isVisible() && !first->parentWidget());
        const QRect full(0, 0, window.screenWidth(), window.screenHeight()); // 800x600 offscreen
        QCOMPARE(first->geometry(), full);

        auto *right = first->findChild<QLabel *>("btn_you");
        auto *close = first->findChild<QToolButton *>("btn_close");
        QCOMPARE(right->geometry(), QRect(775, 271, 25, 58));
        const QPoint grip = right->mapToGlobal(QPoint(12, 29));
        sendMouse(*first, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        sendMouse(*first, QEvent::MouseMove, grip - QPoint(300, 0), Qt::LeftButton);
        sendMouse(*first, QEvent::MouseButtonRelease, grip - QPoint(300, 0), Qt::NoButton);
        QCOMPARE(first->geometry(), QRect(0, 0, 500, 600));
        QCOMPARE(right->pos(), QPoint(475, 271));
        QCOMPARE(close->geometry(), QRect(234, 284, 32, 32));
        close->click();
        QVERIFY(first->isHidden());

        // The next press replaces it with a whole new curtain.
        window.side_zhezhao();
        QVERIFY(!first);
        QCOMPARE(window.curtain()->geometry(), full);
        QTest::keyClick(window.curtain(), Qt::Key_Escape);
        QVERIFY(window.curtain()->isHidden());
    }
};

REGISTER_TEST_CLASS(CurtainWindowTest)
#include "curtain_window_test.moc"
