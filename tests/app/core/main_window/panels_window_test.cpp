// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with its tool and side bars, without a camera (frames are
// handed to the frame slot): where the bars sit, that each live button
// reaches its slot and every tool is available, the annotation bar's
// wiring, that the side bar's picture slots act on the live page only, the
// crop drag, the open-folder button, every shortcut and full screen.

#include "core/capture/save_folder_opener.h"
#include "core/live_view/live_view_session.h"
#include "core/main_window/corvane.h"
#include "core/main_window/live_shortcuts.h"
#include "core/main_window/screen_layout.h"
#include "core/startup/app_settings.h"
#include "core/startup/process_values.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/transforms/view_transform.h"
#include "imaging/transforms/view_transforms.h"
#include "tools/annotate/annotation_page_controller.h"
#include "tools/annotate/my_annotate_bar.h"
#include "tools/tool_bar/my_tool_bar.h"

#include <QComboBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QImage leftHalfRed(int width = 400, int height = 300)
{
    QImage frame(width, height, QImage::Format_RGB888);
    frame.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            frame.setPixelColor(x, y, Qt::red);
    return frame;
}

QColor shownAt(Corvane &window, int x, int y)
{
    return window.grab().toImage().pixelColor(x, y);
}

} // namespace

class PanelsWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;
    std::unique_ptr<Corvane> window_;
    QList<QUrl> opened_;

    ViewTransforms &view() { return window_->viewTransforms(); }
    QStackedWidget *stack() { return window_->findChild<QStackedWidget *>("stackedWidget"); }
    template <typename T>
    T *child(const char *name)
    {
        return window_->findChild<T *>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
        SaveFolderOpener::setDefaultOpenerForTests([this](const QUrl &url) {
            opened_ << url;
            return true;
        });
        window_ = std::make_unique<Corvane>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanupTestCase() { window_.reset(); }

    void barsArePlacedAndHiddenUntilACameraIsChosen()
    {
        const PanelPlaces places = panelPlacesFor(800, 600);
        QCOMPARE(window_->toolBar()->pos(), places.toolBar);
        QCOMPARE(window_->sideBar()->pos(), places.sideBar);
        QCOMPARE(window_->toolBar()->parentWidget(), window_.get());
        QVERIFY(window_->toolBar()->isHidden());
        QVERIFY(window_->sideBar()->isHidden());
        QVERIFY(!window_->shortcuts()->isEnabled());
        window_->sideShowAndHide();
        QVERIFY(window_->toolBar()->isVisible());
        QVERIFY(window_->sideBar()->isVisible());
        QCOMPARE(window_->toolBar()->button(MyToolBar::Photo)->size(), QSize(52, 52));
    }

    void everyToolIsAvailable()
    {
        MyToolBar &tools = *window_->toolBar();
        for (int b = 0; b < MyToolBar::kButtonCount; ++b)
            QVERIFY(tools.isAvailable(MyToolBar::Button(b)));
        MySideBar &side = *window_->sideBar();
        for (int b = 0; b < MySideBar::kButtonCount; ++b)
            QVERIFY(side.isAvailable(MySideBar::Button(b)));
        QCOMPARE(side.captionFor(MySideBar::RotateRight),
                 QCoreApplication::translate("MySideBar", "youzhuan") + "  (Ctrl+Right)");
    }

    void sideButtonsChangeTheLivePicture()
    {
        window_->drawWifiVideoFrame(leftHalfRed());
        // 400x300 fills 568 high: 757 wide from x = 21.
        QCOMPARE(shownAt(*window_, 100, 300), QColor(Qt::red));
        MySideBar &side = *window_->sideBar();
        side.button(MySideBar::MirrorLeftRight)->click();
        QVERIFY(view().state().mirrorHorizontal);
        // No new frame needed: the change shows at the next paint.
        QCOMPARE(shownAt(*window_, 100, 300), QColor(Qt::blue));
        side.button(MySideBar::MirrorLeftRight)->click();
        QVERIFY(!view().state().mirrorHorizontal);
        side.button(MySideBar::MirrorTopBottom)->click();
        QVERIFY(view().state().mirrorVertical);
        side.button(MySideBar::MirrorTopBottom)->click();

        // Frames are decoded for the 568 rows of picture, more when zoomed.
        QCOMPARE(window_->liveView().displayRows(), 568);
        side.button(MySideBar::ZoomIn)->click();
        QVERIFY(qAbs(view().state().liveZoom - 1.1) < 1e-9);
        QCOMPARE(window_->currentFrame().size(), zoomCutOut(QSize(400, 300), view().state().liveZoom).size());
        QVERIFY(window_->currentFrame().width() < 400);
        QCOMPARE(window_->liveView().displayRows(), 632); // 568 / 0.9, up
        side.button(MySideBar::ZoomOut)->click();
        QCOMPARE(view().state().liveZoom, 1.0);

        side.button(MySideBar::RotateRight)->click();
        QCOMPARE(view().state().rotationStep, 1);
        QCOMPARE(window_->currentFrame().size(), QSize(300, 400));
        QVERIFY(window_->liveView().displayQuarterTurned());
        side.button(MySideBar::RotateLeft)->click();
        QCOMPARE(view().state().rotationStep, 0);

        side.button(MySideBar::Freeze)->click();
        QVERIFY(view().freezeOn());
        window_->drawWifiVideoFrame(QImage(400, 300, QImage::Format_RGB888));
        QCOMPARE(shownAt(*window_, 100, 300), QColor(Qt::red));
        side.button(MySideBar::Freeze)->click();
        QVERIFY(!view().freezeOn());
    }

    void annotateButtonAndBarDriveTheAnnotationPage()
    {
        QTemporaryDir saves;
        processValues().savePath = saves.path();
        window_->drawWifiVideoFrame(leftHalfRed());
        QTRY_VERIFY(!view().rotationHold().isActive());
        window_->toolBar()->button(MyToolBar::Annotate)->click();
        QCOMPARE(window_->pageIndex(), 1);
        MyAnnotateBar *bar = window_->annotateBar();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->pos(), panelPlacesFor(800, 600).annotateBar);
        AnnotationPageController &page = window_->annotationPage();
        QCOMPARE(page.model().picture()->pixmap().size(), QSize(400, 300));

        // Pen choices reach the page by their functors, the toggles by slots.
        auto push = [bar](MyAnnotateBar::Control which) {
            static_cast<QToolButton *>(bar->control(which))->click();
        };
        push(MyAnnotateBar::Yellow);
        push(MyAnnotateBar::Large);
        static_cast<QComboBox *>(bar->control(MyAnnotateBar::FontSize))->setCurrentIndex(3);
        QCOMPARE(page.pen().color(), QColor(Qt::yellow));
        QCOMPARE(page.pen().width(), 10);
        QCOMPARE(page.font().pointSize(), 18);
        push(MyAnnotateBar::Text);
        QCOMPARE(page.mode(), AnnotationPageController::Mode::Text);
        push(MyAnnotateBar::Eraser);
        QCOMPARE(page.mode(), AnnotationPageController::Mode::Eraser);
        push(MyAnnotateBar::Eraser);

        // A drag on the window draws; the bar's undo takes it back.
        auto *graphics = child<QGraphicsView>("graphicsView");
        auto at = [&](qreal x, qreal y) {
            return QPointF(graphics->viewport()->mapTo(window_.get(), graphics->mapFromScene(x, y)));
        };
        QMouseEvent press(QEvent::MouseButtonPress, at(50, 50), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &press);
        QMouseEvent move(QEvent::MouseMove, at(300, 200), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &move);
        QMouseEvent release(QEvent::MouseButtonRelease, at(300, 200), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &release);
        QCOMPARE(page.model().drawnItems().size(), 1);
        QVERIFY(bar->control(MyAnnotateBar::Undo)->isEnabled());
        push(MyAnnotateBar::Undo);
        QVERIFY(page.model().drawnItems().isEmpty());
        QVERIFY(!bar->control(MyAnnotateBar::Undo)->isEnabled());

        push(MyAnnotateBar::Save);
        const QStringList saved = QDir(saves.path()).entryList({"*.jpg"}, QDir::Files);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(child<QLabel>("state_label_text")->text(),
                 "Scan successfully saved to [" + saves.path() + "/" + saved.first() + "]");

        // The side button takes the annotation bar along while on its page.
        window_->sideShowAndHide();
        QVERIFY(bar->isHidden());
        window_->sideShowAndHide();
        QVERIFY(bar->isVisible());
        window_->toolBar()->button(MyToolBar::Annotate)->click();
        QCOMPARE(window_->pageIndex(), 0);
        QVERIFY(bar->isHidden());
        processValues().savePath = "0";
        window_->setWidgetStateTextClear();
    }

    void mirrorAndFreezeAreIgnoredOffTheLivePage()
    {
        MySideBar &side = *window_->sideBar();
        for (int page : {1, 2}) {
            stack()->setCurrentIndex(page);
            side.button(MySideBar::MirrorLeftRight)->click();
            side.button(MySideBar::MirrorLeftRight)->click();
            side.button(MySideBar::MirrorTopBottom)->click();
            side.button(MySideBar::Freeze)->click();
            window_->side_zuoyoujingxiang();
            window_->side_dongjie();
            window_->side_fangda();
            window_->side_youzhuan();
            QVERIFY(!view().state().mirrorHorizontal);
            QVERIFY(!view().state().mirrorVertical);
            QVERIFY(!view().freezeOn());
            QCOMPARE(view().state().liveZoom, 1.0);
            QCOMPARE(view().state().rotationStep, 0);
            // The bar's looks follow the clicks all the same.
            QVERIFY(side.mirrorVerticalShown());
            QVERIFY(side.freezeShown());
            side.button(MySideBar::MirrorTopBottom)->click();
            side.button(MySideBar::Freeze)->click();
        }
        stack()->setCurrentIndex(0);
    }

    void cropDragDrawsTheRectangleOnTheLivePage()
    {
        window_->drawWifiVideoFrame(leftHalfRed());
        QTRY_VERIFY(!view().rotationHold().isActive());
        view().setCropOn(true);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 200), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(200, 400), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &move);
        // A drag to the left spans the same rectangle as one to the right.
        QCOMPARE(view().cropRect(), QRect(QPoint(200, 200), QPoint(300, 400)));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(200, 400), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &release);
        QCOMPARE(view().cropRect(), QRect(QPoint(200, 200), QPoint(300, 400)));
        // Its left edge lies on the blue half of the picture.
        view().setCropRect(QRect(450, 100, 200, 150));
        QCOMPARE(shownAt(*window_, 450, 170), QColor(Qt::red));
        QCOMPARE(shownAt(*window_, 500, 170), QColor(Qt::blue));
        view().setCropOn(false);
        QCOMPARE(view().cropRect(), QRect(0, 0, 0, 0));
    }

    void folderButtonOpensTheSaveFolder()
    {
        QTemporaryDir root;
        processValues().savePath = root.path() + "/scans";
        window_->toolBar()->button(MyToolBar::Folder)->click();
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(opened_.last(), QUrl::fromLocalFile(root.path() + "/scans"));
        QVERIFY(QDir(root.path() + "/scans").exists());
        processValues().savePath = "0";
        window_->toolBar()->button(MyToolBar::Folder)->click();
        QCOMPARE(opened_.last(), QUrl::fromLocalFile(processValues().picturesDir));

        // A folder that cannot be made is reported, not silently skipped.
        QTemporaryDir blocked;
        QFile file(blocked.path() + "/file");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        processValues().savePath = blocked.path() + "/file/below";
        window_->tool_openDir();
        QCOMPARE(opened_.size(), 2);
        QVERIFY(window_->findChild<QWidget *>("widget_state")->isVisible());
        QVERIFY(window_->findChild<QLabel *>("state_label_text")->text().contains("/file/below"));
        processValues().savePath = "0";
        window_->setWidgetStateTextClear();
    }

    void everyShortcutReachesItsAction()
    {
        window_->shortcuts()->setEnabled(true);
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->drawWifiVideoFrame(leftHalfRed());
        auto key = [this](int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
            QTest::keyClick(window_.get(), Qt::Key(k), m);
        };
        key(Qt::Key_Left);
        QCOMPARE(view().state().rotationStep, 3);
        key(Qt::Key_Right);
        QCOMPARE(view().state().rotationStep, 0);
        key(Qt::Key_H);
        QVERIFY(view().state().mirrorHorizontal);
        // The panel shows it pressed, and refuses the other mirror.
        QVERIFY(window_->sideBar()->mirrorHorizontalShown());
        key(Qt::Key_U);
        QVERIFY(!view().state().mirrorVertical);
        key(Qt::Key_H);
        key(Qt::Key_U);
        QVERIFY(view().state().mirrorVertical);
        key(Qt::Key_U);
        key(Qt::Key_Equal);
        QVERIFY(view().state().liveZoom > 1.05);
        key(Qt::Key_Minus);
        QCOMPARE(view().state().liveZoom, 1.0);
        key(Qt::Key_F);
        QVERIFY(view().freezeOn());
        QVERIFY(window_->sideBar()->freezeShown());
        key(Qt::Key_F);
        QVERIFY(!view().freezeOn());

        // The photo key takes a photo.
        QTemporaryDir photos;
        processValues().savePath = photos.path();
        key(Qt::Key_S);
        QVERIFY(window_->findChild<QWidget *>("widget_state")->isVisible());
        QVERIFY(window_->findChild<QLabel *>("state_label_text")
                    ->text()
                    .startsWith("Scan successfully saved to [" + photos.path()));
        processValues().savePath = "0";

        const bool shown = window_->panelsShown();
        key(Qt::Key_B);
        QCOMPARE(window_->panelsShown(), !shown);
        key(Qt::Key_B);
        QCOMPARE(window_->panelsShown(), shown);

        // The turns' hold shows the picture of the click for a moment.
        QTRY_VERIFY(!view().rotationHold().isActive());
        key(Qt::Key_F11, Qt::NoModifier);
        QVERIFY(window_->fullScreenOn());
        QVERIFY(window_->findChild<QWidget *>("widget_title")->isHidden());
        QCOMPARE(stack()->geometry(), QRect(0, 0, 800, 600));
        QVERIFY(window_->toolBar()->isHidden());
        // The picture takes the whole height: 400x300 -> 800x600.
        QCOMPARE(shownAt(*window_, 5, 5), QColor(Qt::red));
        key(Qt::Key_F11, Qt::NoModifier);
        QVERIFY(!window_->fullScreenOn());
        QCOMPARE(stack()->geometry(), QRect(0, 32, 800, 568));
        QVERIFY(window_->toolBar()->isVisible());
        QVERIFY(!window_->findChild<QWidget *>("widget_title")->isHidden());
    }
};

QTEST_MAIN(PanelsWindowTest)
#include "panels_window_test.moc"
