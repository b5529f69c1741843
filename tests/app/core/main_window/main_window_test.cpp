// SPDX-License-Identifier: GPL-3.0-or-later

// The main window without a camera: its shell on the offscreen screen
// (800x600, so the small layout), the banner, the microphone button, hover
// tips, save-path and language changes, and what paintEvent puts on screen
// for frames handed straight to the frame slot.

#include "core/startup/app_settings.h"
#include "core/main_window/corvane.h"
#include "core/main_window/hover_tip.h"
#include "core/live_view/live_view_session.h"
#include "core/connection/my_wifi_select.h"
#include "core/startup/process_values.h"
#include "core/main_window/status_banner.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

namespace {

// Lets the window paint once and returns what it shows.
QImage shown(Corvane &window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;
    std::unique_ptr<Corvane> window_;

    template <typename T>
    T *child(const char *name)
    {
        return window_->findChild<T *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
        window_ = std::make_unique<Corvane>();
        window_->show();
    }

    void cleanupTestCase()
    {
        window_.reset();
    }

    void shellCoversTheScreenWithTheSmallLayout()
    {
        Corvane &w = *window_;
        QCOMPARE(w.objectName(), QStringLiteral("CorvaneClass"));
        QCOMPARE(QSize(w.screenWidth(), w.screenHeight()), QSize(800, 600));
        QCOMPARE(w.viewHeight(), 568);
        QCOMPARE(w.geometry(), QRect(0, 0, 800, 600));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(child<QWidget>("widget_title")->geometry(), QRect(0, 0, 800, 32));
        auto *stack = child<QStackedWidget>("stackedWidget");
        QCOMPARE(stack->geometry(), QRect(0, 32, 800, 568));
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(stack->count(), 3);
        QCOMPARE(child<QWidget>("widget_state")->geometry(), QRect(0, 570, 800, 30));
        QVERIFY(child<QWidget>("widget_state")->isHidden());
        QVERIFY(child<QWidget>("software_help")->isHidden());
        QVERIFY(child<QWidget>("widget_luxiang")->isHidden());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(child<QLabel>(qPrintable(QStringLiteral("label_com%1").arg(i))));
        auto *side = child<QPushButton>("btn_side");
        // The toggle's press twitch runs for 100 ms and ends in place.
        QTRY_COMPARE(side->geometry(), QRect(20, 500, 50, 50));
        QVERIFY(side->styleSheet().contains("border-radius:25px"));
        // Until a camera is chosen only the window and the dialog show.
        QVERIFY(side->isHidden());
        QVERIFY(!w.panelsShown());
        QVERIFY(w.connectionDialog()->isVisible());
        // In front of the window for the window system, with the keyboard.
        QCOMPARE(w.connectionDialog()->windowHandle()->transientParent(), w.windowHandle());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(w.connectionDialog()));
        QVERIFY(!w.liveView().isRunning());
        QVERIFY(!w.liveView().workerThread()->isRunning());
        QVERIFY(w.liveView().previewHandle() == nullptr);
    }

    void sideButtonTogglesPanelsAndIcon()
    {
        auto *side = child<QPushButton>("btn_side");
        const qint64 hiddenIcon = side->icon().cacheKey();
        window_->sideShowAndHide();
        QVERIFY(window_->panelsShown());
        QVERIFY(side->icon().cacheKey() != hiddenIcon);
        side->click();
        QVERIFY(!window_->panelsShown());
    }

    void bannerShowsTheLatestMessageUntilItsOwnPeriodEnds()
    {
        window_->setWidgetStateDui(QStringLiteral("Scan successfully saved to [a.jpg]"));
        auto *strip = child<QWidget>("widget_state");
        QVERIFY(!strip->isHidden());
        QCOMPARE(child<QLabel>("state_label_text")->text(), QStringLiteral("Scan successfully saved to [a.jpg]"));
        QVERIFY(!child<QLabel>("state_label_icon")->pixmap(Qt::ReturnByValue).isNull());
        QPointer<QTimer> first = window_->statusBanner()->timer();
        window_->setWidgetStateCuo(QStringLiteral("failed"));
        QVERIFY(first.isNull());
        QTimer *second = window_->statusBanner()->timer();
        QCOMPARE(second->interval(), 5000);
        QVERIFY(second->isActive());
        QVERIFY(QMetaObject::invokeMethod(second, "timeout"));
        QVERIFY(strip->isHidden());
        QVERIFY(child<QLabel>("state_label_text")->text().isEmpty());

        // The close button clears at once.
        window_->setWidgetStateDui(QStringLiteral("again"));
        child<QToolButton>("state_btn_clear")->click();
        QVERIFY(strip->isHidden());
    }

    void microphoneButtonSwitchesScreenRecordingSound()
    {
        // The button is the stored choice: silent until switched on.
        auto *mic = child<QToolButton>("luxiang_mic_btn");
        QVERIFY(!window_->micOn());
        const qint64 offIcon = mic->icon().cacheKey();
        mic->click();
        QVERIFY(window_->micOn());
        QCOMPARE(readSetting("dev/mic"), QStringLiteral("1"));
        QVERIFY(mic->icon().cacheKey() != offIcon);
        {
            // A window opened later shows the stored choice.
            Corvane another;
            QVERIFY(another.micOn());
        }
        mic->click();
        QVERIFY(!window_->micOn());
        QCOMPARE(readSetting("dev/mic"), QStringLiteral("0"));
        window_->setWidgetStateTextClear();
    }

    void hoverTipOfTheCloseButtonEndsAtTheScreenEdge()
    {
        auto *close = child<QToolButton>("software_close");
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(close, &enter);
        QLabel *tip = window_->hoverTip()->label();
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->text(), QCoreApplication::translate("Corvane", "software_close"));
        QVERIFY(tip->geometry().right() + 1 <= window_->screenWidth());
        QCOMPARE(tip->y(), close->mapToGlobal(QPoint(0, 0)).y() + 42);
        QEvent leave(QEvent::HoverLeave);
        QCoreApplication::sendEvent(close, &leave);
        QVERIFY(!tip->isVisible());

        auto *side = child<QPushButton>("btn_side");
        QCoreApplication::sendEvent(side, &enter);
        // The caption names the shortcut key too.
        QCOMPARE(tip->text(), QCoreApplication::translate("Corvane", "side_xianshi")
                                  + QStringLiteral("  (Ctrl+B)"));
        QCOMPARE(tip->pos(), side->mapToGlobal(QPoint(0, 0)) + QPoint(90, 20));
        QCoreApplication::sendEvent(side, &leave);
    }

    void savePathChangeCreatesTheFolder()
    {
        QTemporaryDir root;
        const QString path = root.path() + QStringLiteral("/deeper/still");
        window_->settingChangeSavePath(path);
        QCOMPARE(processValues().savePath, path);
        QVERIFY(QDir(path).exists());
        processValues().savePath = QStringLiteral("0");
    }

    void languageChangeRetranslatesTheForm()
    {
        auto *settings = child<QToolButton>("software_settings");
        writeSetting("dev/softwarelanguage", "2");
        window_->settingChangeLanguage();
        QTRY_COMPARE(settings->text(), QStringLiteral("Settings"));
        // Outside the table: back to the source texts.
        writeSetting("dev/softwarelanguage", "13");
        window_->settingChangeLanguage();
        QTRY_COMPARE(settings->text(), QStringLiteral("设置"));
    }

    void portraitPictureIsDrawnFullHeightCentred()
    {
        QImage portrait(300, 600, QImage::Format_RGB888);
        portrait.fill(QColor(0, 0, 255));
        window_->drawWifiVideoFrame(portrait);
        const QImage screen = shown(*window_);
        // Target: width 300 / (600 / 568) = 284, left (800 - 284) / 2 = 258.
        QCOMPARE(screen.pixelColor(258, 32), QColor(0, 0, 255));
        QCOMPARE(screen.pixelColor(258 + 283, 599), QColor(0, 0, 255));
        QVERIFY(screen.pixelColor(257, 300) != QColor(0, 0, 255));
        QVERIFY(screen.pixelColor(258 + 284, 300) != QColor(0, 0, 255));
    }

    void tooWidePictureIsCutAtBothSides()
    {
        QImage wide(2000, 500, QImage::Format_RGB888);
        wide.fill(Qt::black);
        // Coloured stripes at both ends and in the middle.
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 2000; ++x)
                if (x >= 950 && x < 1050)
                    wide.setPixelColor(x, y, QColor(0, 255, 0));
        window_->drawWifiVideoFrame(wide);
        const QImage screen = shown(*window_);
        // Scaled width 2000 / (500 / 568) = 2272: 736 cut at each side.
        QCOMPARE(screen.pixelColor(400, 300), QColor(0, 255, 0));
        QCOMPARE(screen.pixelColor(0, 300), QColor(Qt::black));
        QCOMPARE(screen.pixelColor(799, 300), QColor(Qt::black));
    }

    void greyPictureIsShownGrey()
    {
        QImage grey(400, 300, QImage::Format_Grayscale8);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                grey.scanLine(y)[x] = uchar(x * 255 / 399);
        window_->drawWifiVideoFrame(grey);
        QCOMPARE(window_->currentFrame().format(), QImage::Format_Grayscale8);
        const QImage screen = shown(*window_);
        for (int x = 30; x < 770; x += 37) {
            const QColor c = screen.pixelColor(x, 300);
            QCOMPARE(c.red(), c.green());
            QCOMPARE(c.green(), c.blue());
        }
        QVERIFY(screen.pixelColor(100, 300).red() < screen.pixelColor(700, 300).red());
    }

    void newFrameReplacesThePictureAtTheNextPaint()
    {
        QImage red(400, 300, QImage::Format_RGB888);
        red.fill(Qt::red);
        window_->drawWifiVideoFrame(red);
        QCOMPARE(shown(*window_).pixelColor(400, 300), QColor(Qt::red));
        QImage green(400, 300, QImage::Format_RGB888);
        green.fill(Qt::green);
        window_->drawWifiVideoFrame(green);
        QCOMPARE(shown(*window_).pixelColor(400, 300), QColor(Qt::green));
        // A frame that did not decode leaves the area empty until the next.
        window_->drawWifiVideoFrame(QImage());
        QVERIFY(shown(*window_).pixelColor(400, 300) != QColor(Qt::green));
    }

    void paintsOnlyWhenSomethingNewIsThere()
    {
        // Counts what reaches the window, not what the test asks for.
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter;
        window_->installEventFilter(&counter);
        QImage frame(400, 300, QImage::Format_RGB32);
        frame.fill(Qt::blue);
        window_->drawWifiVideoFrame(frame);
        QTRY_VERIFY(counter.paints >= 1);
        // A still camera: nothing new, nothing painted, however long.
        const int afterFrame = counter.paints;
        QTest::qWait(400);
        QCOMPARE(counter.paints, afterFrame);
        // A new frame, a page change: painted again.
        QImage next(400, 300, QImage::Format_RGB32);
        next.fill(Qt::yellow);
        window_->drawWifiVideoFrame(next);
        QTRY_VERIFY(counter.paints > afterFrame);
        const int afterNext = counter.paints;
        auto *stack = child<QStackedWidget>("stackedWidget");
        stack->setCurrentIndex(2);
        QTRY_VERIFY(counter.paints > afterNext);
        stack->setCurrentIndex(0);
        QTRY_COMPARE(shown(*window_).pixelColor(400, 300), QColor(Qt::yellow));
        window_->removeEventFilter(&counter);
    }

    void annotationPageIsWhite()
    {
        auto *stack = child<QStackedWidget>("stackedWidget");
        stack->setCurrentIndex(1);
        // The page's own view covers it; what the window paints behind is white.
        child<QWidget>("graphicsView")->hide();
        QCOMPARE(shown(*window_).pixelColor(400, 300), QColor(Qt::white));
        child<QWidget>("graphicsView")->show();
        stack->setCurrentIndex(0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
