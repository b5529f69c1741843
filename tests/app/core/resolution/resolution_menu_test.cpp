// The resolution menu: labels and matching on their own, then the
// controller on a recording camera (the warning boxes are caught and
// closed by the test).

// First: the list block has a member named like one of Qt's keyword
// macros, so it must be declared before any Qt header.
#include <qv_camera.h>

#include "core/startup/app_settings.h"
#include "core/connection/library_camera_operations.h"
#include "message_box_catcher.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"
#include "core/resolution/resolution_labels.h"
#include "core/resolution/resolution_menu_controller.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QtTest>
#include <cstring>

#include "test_runner.h"

namespace {
const QVector<QSize> kOffered = {{3840, 2880}, {1920, 1080}, {1280, 720},
                                 {1920, 1080}, {640, 480}};

QAction *markedAction(QMenu *menu, int *markedCount)
{
    QAction *marked = nullptr;
    *markedCount = 0;
    for (QAction *action : menu->actions()) {
        if (action->isChecked()) {
            marked = action;
            ++*markedCount;
        }
    }
    return marked;
}
} // namespace

class ResolutionMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        processValues().cameraIp = QStringLiteral("127.6.102.1");
        writeSetting("dev/res", "unset");
    }
    void cleanup() { processValues().cameraIp.clear(); }

    void labelsReadWidthByHeightAndParseBack()
    {
        QCOMPARE(resolutionLabels(kOffered).at(1), QString("1920 x 1080"));
        QCOMPARE(sizeFromResolutionLabel("1920 x 1080"), QSize(1920, 1080));
        QCOMPARE(sizeFromResolutionLabel(" 640x480 "), QSize(640, 480));
        QVERIFY(!sizeFromResolutionLabel("1920 by 1080").isValid());
        QVERIFY(!sizeFromResolutionLabel("1920 x 1080 x 30").isValid());
        QVERIFY(!sizeFromResolutionLabel("wide x 1080").isValid());
    }

    void matchingTakesTheLastEqualEntryAndKeepsThePreviousOtherwise()
    {
        QCOMPARE(matchingResolutionIndex(kOffered, QSize(1920, 1080), 3), 3);
        QCOMPARE(matchingResolutionIndex(kOffered, QSize(1920, 1080), 0), 3);
        QCOMPARE(matchingResolutionIndex(kOffered, QSize(3840, 2880), 3), 0);
        // A quarter turn swaps width and height.
        QCOMPARE(matchingResolutionIndex(kOffered, QSize(2880, 3840), 2), 2);
        QCOMPARE(matchingResolutionIndex({}, QSize(640, 480), 4), 4);
    }

    void listCountIsTrustedOnlyUpToTheSlotsOfTheBlock()
    {
        // Filled through its byte layout: count at 0, then width, height
        // and frame rate per entry from offset 4.
        ResolutionList list{};
        auto *bytes = reinterpret_cast<unsigned char *>(&list);
        const qint32 entries[] = {1280, 720, 30, 640, 480, 30};
        std::memcpy(bytes + 4, entries, sizeof entries);
        bytes[0] = 2;
        QCOMPARE(LibraryCameraOperations::sizesFromList(list),
                 QVector<QSize>({{1280, 720}, {640, 480}}));
        bytes[0] = 255;
        QCOMPARE(LibraryCameraOperations::sizesFromList(list).size(), QV_RESOLUTION_SLOTS);
    }

    void menuMarksTheEntryOfTheShownFrameAndStoresIt()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QCOMPARE(controller.currentIndex(), 3);
        QMenu *menu = controller.openMenu(nullptr, QSize(1280, 720), 1080);
        QVERIFY(menu);
        QCOMPARE(camera.sent.first().ip, QByteArray("127.6.102.1"));
        QCOMPARE(controller.currentIndex(), 2);
        QCOMPARE(readSetting("dev/res"), QString("2"));
        QCOMPARE(menu->actions().size(), kOffered.size());
        QCOMPARE(menu->actions().at(4)->text(), QString("640 x 480"));
        QCOMPARE(menu->actions().at(4)->data().toInt(), 4);
        int count = 0;
        QAction *marked = markedAction(menu, &count);
        QCOMPARE(count, 1);
        QCOMPARE(marked, menu->actions().at(2));
        QVERIFY(marked->isCheckable());
        for (QAction *action : menu->actions())
            QCOMPARE(action->icon().isNull(), action != marked);
        QVERIFY(menu->isVisible());
        QVERIFY(menu->parent() == nullptr);
        QVERIFY(menu->windowFlags().testFlag(Qt::NoDropShadowWindowHint));
        QVERIFY(menu->styleSheet().startsWith("QMenu{background-color:#ededed;"));
    }

    void quarterTurnedFrameMarksThePreviousEntryAndStoresNothing()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QMenu *menu = controller.openMenu(nullptr, QSize(720, 1280), 1080);
        QVERIFY(menu);
        QCOMPARE(controller.currentIndex(), 3);
        QCOMPARE(readSetting("dev/res"), QString("unset"));
        int count = 0;
        QCOMPARE(markedAction(menu, &count), menu->actions().at(3));
        QCOMPARE(count, 1);
    }

    void menuPlacementFollowsTheScreenHeight()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QCOMPARE(controller.openMenu(nullptr, QSize(), 966)->geometry(),
                 QRect(104, 110, 400, 500));
        QCOMPARE(controller.openMenu(nullptr, QSize(), 965)->geometry(),
                 QRect(90, 60, 200, 500));
    }

    void entryUnderTheMouseIsHighlighted()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QMenu *menu = controller.openMenu(nullptr, QSize(), 1080);
        const QRect row = menu->actionGeometry(menu->actions().at(2));
        menu->setActiveAction(menu->actions().at(2));
        QCOMPARE(menu->grab().toImage().pixelColor(row.right() - 8, row.center().y()),
                 QColor("#0296D6"));
    }

    void secondOpeningReplacesTheFirstMenu()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QPointer<QMenu> first = controller.openMenu(nullptr, QSize(), 1080);
        QPointer<QMenu> second = controller.openMenu(nullptr, QSize(), 1080);
        QVERIFY(first.isNull());
        QVERIFY(!second.isNull());
        QCOMPARE(controller.menu(), second.data());
    }

    void unansweredListWarnsAndKeepsThePreviousMenu()
    {
        MessageBoxCatcher boxes;
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QWidget window;
        QPointer<QMenu> first = controller.openMenu(&window, QSize(), 1080);
        camera.answersResolutions = false;
        QVERIFY(controller.openMenu(&window, QSize(), 1080) == nullptr);
        QVERIFY(!first.isNull());
        QCOMPARE(controller.menu(), first.data());
        QCOMPARE(controller.labels().size(), kOffered.size());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.boxes[0].title, QString("Get Resolution"));
        QCOMPARE(boxes.boxes[0].text, QString("Get Resolution Fail, Please Obtain Again"));
        QCOMPARE(boxes.boxes[0].buttonCount, 1);
        QCOMPARE(boxes.boxes[0].parent, &window);
    }

    void withoutALiveCameraTheMenuFailsWithoutAsking()
    {
        MessageBoxCatcher boxes;
        processValues().cameraIp.clear();
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QVERIFY(controller.openMenu(nullptr, QSize(), 1080) == nullptr);
        QVERIFY(camera.sent.isEmpty());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].title, QString("Get Resolution"));
    }

    void choosingAnEntrySendsItsSizeAndMovesTheMarkOnlyOnSuccess()
    {
        MessageBoxCatcher boxes;
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        QMenu *menu = controller.openMenu(nullptr, QSize(), 1080);

        camera.result = 0;
        controller.changeResolution(nullptr, menu->actions().at(1));
        QCOMPARE(camera.sent.last().name, QByteArray("setres"));
        QCOMPARE(camera.sent.last().a, 1920);
        QCOMPARE(camera.sent.last().b, 1080);
        QCOMPARE(controller.currentIndex(), 3);
        QCOMPARE(readSetting("dev/res"), QString("unset"));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.boxes[0].title, QString("Set Resolution"));
        QCOMPARE(boxes.boxes[0].text, QString("Set Resolution Fail"));

        camera.result = 1;
        controller.changeResolution(nullptr, menu->actions().at(4));
        QCOMPARE(camera.sent.last().a, 640);
        QCOMPARE(camera.sent.last().b, 480);
        QCOMPARE(controller.currentIndex(), 4);
        QCOMPARE(readSetting("dev/res"), QString("4"));
        QCOMPARE(boxes.boxes.size(), 1);

        // The next opening marks the new entry.
        int count = 0;
        QMenu *next = controller.openMenu(nullptr, QSize(), 1080);
        QCOMPARE(markedAction(next, &count), next->actions().at(4));
    }

    void actionsNotFromTheMenuAreIgnored()
    {
        RecordingCameraOperations camera;
        camera.offered = kOffered;
        ResolutionMenuController controller(&camera);
        controller.openMenu(nullptr, QSize(), 1080);
        const int asked = camera.sent.size();
        QAction stray(QStringLiteral("stray"));
        stray.setData(99);
        controller.changeResolution(nullptr, &stray);
        controller.changeResolution(nullptr, nullptr);
        QCOMPARE(camera.sent.size(), asked);
        QCOMPARE(controller.currentIndex(), 3);
    }
};

REGISTER_TEST_CLASS(ResolutionMenuTest)
#include "resolution_menu_test.moc"
