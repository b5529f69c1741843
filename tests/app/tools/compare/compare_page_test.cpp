// SPDX-License-Identifier: GPL-3.0-or-later

// The compare page controller on a page built like the main window's (a
// stacked area 32 pixels below the window's top): a press selects what the
// user sees under the pointer, commands without a selection only warn, a
// file that is no picture or a missing camera frame is reported and the
// window keeps its picture, and the chooser starts in the save folder.

#include "core/startup/process_values.h"
#include "message_box_catcher.h"
#include "test_runner.h"
#include "tools/compare/compare_page_controller.h"
#include "tools/compare/my_com_bar.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Page {
    QWidget window;
    QStackedWidget *stack = new QStackedWidget(&window);
    QWidget *page = new QWidget;
    MyComBar bar;
    QImage frame;
    QStringList chooserCalls;
    QString chosen;
    std::unique_ptr<ComparePageController> controller;

    Page()
    {
        window.resize(700, 532);
        stack->setGeometry(0, 32, 700, 500);
        page->setObjectName("page_3");
        for (int n = 1; n <= 6; ++n) {
            auto *box = new QWidget(page);
            box->setObjectName(QString("widget_com%1").arg(n));
            (new QLabel(box))->setObjectName(QString("label_com%1").arg(n));
        }
        for (QWidget *shown : {new QWidget, new QWidget, page})
            stack->addWidget(shown);
        controller = std::make_unique<ComparePageController>(ComparePageController::Parts{
            ComparePageWidgets::fromPage(page), stack, &bar, QSize(700, 500), [this] { return frame; },
            [this](QWidget *, const QString &caption, const QString &start) {
                chooserCalls << caption + "|" + start;
                return chosen;
            }});
        controller->switchOn(true);
        window.show();
    }

    int press(int x, int y)
    {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        controller->mousePress(&event);
        return controller->model().selected();
    }
    QColor shownColour(int n) const
    {
        const QImage shown = page->findChild<QLabel *>(QString("label_com%1").arg(n))
                                 ->pixmap(Qt::ReturnByValue)
                                 .toImage();
        return shown.isNull() ? QColor() : shown.pixelColor(5, 5);
    }
};

QImage filled(QColor colour)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class ComparePageTest : public QObject {
    Q_OBJECT

private slots:
    void aPressSelectsTheWindowUnderThePointer()
    {
        Page p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        // Window 1 begins at page y 20, which is window y 52.
        QCOMPARE(p.press(25, 55), 1);
        QCOMPARE(p.page->styleSheet(), QString("QWidget#page_3{background-color:#fff;}"));
        QCOMPARE(p.controller->selectionMark()->geometry(), QRect(15, 15, 330, 470));
        QVERIFY(p.controller->selectionMark()->isVisible());
        QCOMPARE(p.press(25, 45), 0);
        QCOMPARE(p.page->styleSheet(), QString("QWidget#page_3{background-color:yellow;}"));
        QVERIFY(!p.controller->selectionMark()->isVisible());
    }

    void withoutASelectionFileAndCameraOnlyWarn()
    {
        Page p;
        p.frame = filled(Qt::green);
        MessageBoxCatcher boxes;
        p.controller->openPicture();
        p.controller->takePicture();
        QCOMPARE(boxes.boxes.size(), 2);
        for (const CaughtBox &box : boxes.boxes) {
            QCOMPARE(box.icon, QMessageBox::Warning);
            QCOMPARE(box.title, QCoreApplication::translate("Corvane", "biduichaungkou"));
            QCOMPARE(box.text, QCoreApplication::translate("Corvane", "qingxuanzechaungkou"));
        }
        QVERIFY(p.chooserCalls.isEmpty());
        QVERIFY(p.controller->model().window(1).picture.isNull());
    }

    void unreadableFilesAndMissingFramesAreReportedAndChangeNothing()
    {
        Page p;
        QTemporaryDir dir;
        const QString good = dir.filePath("good.png");
        QVERIFY(filled(Qt::red).save(good));
        QFile bad(dir.filePath("notes.jpg"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a picture") > 0);
        bad.close();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QCOMPARE(p.press(400, 100), 2);

        processValues().savePath = dir.path();
        p.chosen = good;
        MessageBoxCatcher boxes;
        p.controller->openPicture();
        QCOMPARE(p.chooserCalls.last(),
                 QCoreApplication::translate("Corvane", "wenjian_bidui") + "|" + dir.path());
        QCOMPARE(p.shownColour(2), QColor(Qt::red));

        p.chosen = bad.fileName();
        p.controller->openPicture();
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.boxes[0].text.contains("notes.jpg"));
        QCOMPARE(p.shownColour(2), QColor(Qt::red));

        // Cancel changes nothing; without a save folder it starts in Pictures.
        processValues().savePath = "0";
        p.chosen.clear();
        p.controller->openPicture();
        QCOMPARE(p.chooserCalls.last().section('|', 1), processValues().picturesDir);
        p.controller->takePicture();
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].text, ComparePageController::tr("There is no camera picture yet."));
        QCOMPARE(p.shownColour(2), QColor(Qt::red));
        p.frame = filled(Qt::green);
        p.controller->takePicture();
        QCOMPARE(p.shownColour(2), QColor(Qt::green));
    }
};

REGISTER_TEST_CLASS(ComparePageTest)
#include "compare_page_test.moc"
