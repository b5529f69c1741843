// SPDX-License-Identifier: GPL-3.0-or-later

// The resolution menu on a recording camera (the warning boxes are caught
// and closed by the test); the library's wiring is checked against the
// simulated camera in tests/app/core/connection.

// First: the list block has a member named like one of Qt's keyword
// macros, so it must be declared before any Qt header.
#include <qv_camera.h>

#include "core/startup/app_settings.h"
#include "core/connection/library_camera_operations.h"
#include "message_box_catcher.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"
#include "core/resolution/resolution_menu_controller.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QtTest>

#include "test_runner.h"

namespace {
const QVector<QSize> kOffered = {{3840, 2880}, {1920, 1080}, {1280, 720},
                                 {1920, 1080}, {640, 480}};

// The one marked entry of the menu, or null when there is none or several.
QAction *marked(QMenu *menu)
{
    QList<QAction *> checked;
    for (QAction *action : menu->actions()) {
        if (action->isChecked())
            checked << action;
        if (action->icon().isNull() == action->isChecked())
            return nullptr; // the mark and its icon go together
    }
    return checked.size() == 1 ? checked.first() : nullptr;
}
} // namespace

class ResolutionMenuTest : public QObject {
    Q_OBJECT

private:
    RecordingCameraOperations camera_;

private slots:
    void init()
    {
        camera_ = RecordingCameraOperations();
        camera_.offered = kOffered;
        processValues().cameraIp = QStringLiteral("127.6.102.1");
        writeSetting("dev/res", "unset");
    }
    void cleanup() { processValues().cameraIp.clear(); }

    void menuMarksTheEntryOfTheShownFrame()
    {
        ResolutionMenuController controller(&camera_);
        QCOMPARE(controller.currentIndex(), 3);
        // A quarter-turned frame matches nothing: the mark stays, nothing is stored.
        QMenu *menu = controller.openMenu(nullptr, QSize(720, 1280), 1080);
        QCOMPARE(marked(menu), menu->actions().at(3));
        QCOMPARE(readSetting("dev/res"), QString("unset"));

        QPointer<QMenu> first = menu;
        menu = controller.openMenu(nullptr, QSize(1280, 720), 1080);
        QVERIFY(first.isNull()); // replaced, never two
        QCOMPARE(camera_.sent.first().ip, QByteArray("127.6.102.1"));
        QCOMPARE(marked(menu), menu->actions().at(2));
        QCOMPARE(readSetting("dev/res"), QString("2"));
        QCOMPARE(menu->actions().size(), kOffered.size());
        QCOMPARE(menu->actions().at(4)->text(), QString("640 x 480"));
        QVERIFY(menu->isVisible() && menu->parent() == nullptr);
        // The last of equal entries wins.
        menu = controller.openMenu(nullptr, QSize(1920, 1080), 1080);
        QCOMPARE(controller.currentIndex(), 3);
    }

    void menuPlaceAndHighlight()
    {
        ResolutionMenuController controller(&camera_);
        QCOMPARE(controller.openMenu(nullptr, QSize(), 966)->geometry(), QRect(104, 110, 400, 500));
        QMenu *menu = controller.openMenu(nullptr, QSize(), 965);
        QCOMPARE(menu->geometry(), QRect(90, 60, 200, 500));
        // The entry under the mouse stands out in the accent colour.
        const QRect row = menu->actionGeometry(menu->actions().at(2));
        menu->setActiveAction(menu->actions().at(2));
        QCOMPARE(menu->grab().toImage().pixelColor(row.right() - 8, row.center().y()),
                 QColor("#0296D6"));
    }

    void noListWarnsAndKeepsThePreviousMenu()
    {
        MessageBoxCatcher boxes;
        ResolutionMenuController controller(&camera_);
        QWidget window;
        QPointer<QMenu> first = controller.openMenu(&window, QSize(), 1080);
        camera_.answersResolutions = false;
        QVERIFY(controller.openMenu(&window, QSize(), 1080) == nullptr);
        QCOMPARE(controller.menu(), first.data());
        QCOMPARE(controller.labels().size(), kOffered.size());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.boxes[0].title, QString("Get Resolution"));
        QCOMPARE(boxes.boxes[0].text, QString("Get Resolution Fail, Please Obtain Again"));
        QCOMPARE(boxes.boxes[0].parent, &window);

        // Without a live camera nobody is asked.
        processValues().cameraIp.clear();
        const int asked = camera_.sent.size();
        QVERIFY(controller.openMenu(&window, QSize(), 1080) == nullptr);
        QCOMPARE(camera_.sent.size(), asked);
        QCOMPARE(boxes.boxes.size(), 2);
    }

    void choosingAnEntrySendsItsSizeAndMovesTheMarkOnlyOnSuccess()
    {
        MessageBoxCatcher boxes;
        ResolutionMenuController controller(&camera_);
        QMenu *menu = controller.openMenu(nullptr, QSize(), 1080);
        camera_.result = 0;
        controller.changeResolution(nullptr, menu->actions().at(1));
        QCOMPARE(camera_.sent.last().name, QByteArray("setres"));
        QCOMPARE(QSize(camera_.sent.last().a, camera_.sent.last().b), QSize(1920, 1080));
        QCOMPARE(controller.currentIndex(), 3);
        QCOMPARE(readSetting("dev/res"), QString("unset"));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].title, QString("Set Resolution"));
        QCOMPARE(boxes.boxes[0].text, QString("Set Resolution Fail"));

        camera_.result = 1;
        controller.changeResolution(nullptr, menu->actions().at(4));
        QCOMPARE(QSize(camera_.sent.last().a, camera_.sent.last().b), QSize(640, 480));
        QCOMPARE(controller.currentIndex(), 4);
        QCOMPARE(readSetting("dev/res"), QString("4"));
        QCOMPARE(boxes.boxes.size(), 1);
        QMenu *next = controller.openMenu(nullptr, QSize(), 1080);
        QCOMPARE(marked(next), next->actions().at(4));

        // Actions not from the menu are not ours to act on.
        const int sent = camera_.sent.size();
        QAction stray(QStringLiteral("stray"));
        stray.setData(99);
        controller.changeResolution(nullptr, &stray);
        controller.changeResolution(nullptr, nullptr);
        QCOMPARE(camera_.sent.size(), sent);
    }

    void listCountIsTrustedOnlyUpToTheSlotsOfTheBlock()
    {
        ResolutionList list{};
        list.count = 255;
        QCOMPARE(LibraryCameraOperations::sizesFromList(list).size(), QV_RESOLUTION_SLOTS);
    }
};

REGISTER_TEST_CLASS(ResolutionMenuTest)
#include "resolution_menu_test.moc"
