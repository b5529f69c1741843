// The curtain window: its form, handle drags by mouse events, the close
// button and Esc, and the side bar's button opening a new curtain each time.

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
    void handlesDragTheEdgesAndTheButtonOrEscCloses()
    {
        MyCurtainBar curtain(800, 600);
        curtain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&curtain));
        QCOMPARE(curtain.geometry(), QRect(0, 0, 800, 600));
        QVERIFY(curtain.windowFlags() & Qt::WindowStaysOnTopHint);
        auto *close = curtain.findChild<QToolButton *>("btn_close");
        auto *right = curtain.findChild<QLabel *>("btn_you");
        QCOMPARE(close->geometry(), QRect(384, 284, 32, 32));
        QCOMPARE(right->geometry(), QRect(775, 271, 25, 58));
        QVERIFY(!right->pixmap(Qt::ReturnByValue).isNull());

        const QPoint grip = right->mapToGlobal(QPoint(12, 29));
        sendMouse(curtain, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        sendMouse(curtain, QEvent::MouseMove, grip - QPoint(300, 0), Qt::LeftButton);
        sendMouse(curtain, QEvent::MouseButtonRelease, grip - QPoint(300, 0), Qt::NoButton);
        QCOMPARE(curtain.geometry(), QRect(0, 0, 500, 600));
        QCOMPARE(right->pos(), QPoint(475, 271));
        QCOMPARE(close->pos(), QPoint(234, 284));

        close->click();
        QVERIFY(curtain.isHidden());
        curtain.show();
        QTest::keyClick(&curtain, Qt::Key_Escape);
        QVERIFY(curtain.isHidden());
    }

    void theSideBarOpensANewFullScreenCurtainEachTime()
    {
        Corvane window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.sideShowAndHide();
        QVERIFY(!window.curtain());
        window.sideBar()->button(MySideBar::Curtain)->click();
        QPointer<MyCurtainBar> first = window.curtain();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->parentWidget());
        const QRect full(0, 0, window.screenWidth(), window.screenHeight());
        QCOMPARE(first->geometry(), full);
        first->findChild<QToolButton *>("btn_close")->click();
        QVERIFY(first->isHidden());

        window.side_zhezhao();
        QVERIFY(!first);
        QVERIFY(window.curtain()->isVisible());
        QCOMPARE(window.curtain()->geometry(), full);
    }
};

REGISTER_TEST_CLASS(CurtainWindowTest)
#include "curtain_window_test.moc"
