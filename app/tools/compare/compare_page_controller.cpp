// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/compare_page_controller.h"

#include "core/main_window/message_box_presenter.h"
#include "core/startup/process_values.h"
#include "tools/compare/my_com_bar.h"

#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QStackedWidget>

namespace {

constexpr int kComparePageIndex = 2;
constexpr int kLivePageIndex = 0;
constexpr int kMarkWidth = 5; // fits the 20-pixel gaps between the windows

ComparePageController::PictureChooser &defaultChooser()
{
    static ComparePageController::PictureChooser chooser;
    return chooser;
}

QString chooseWithDialog(QWidget *parent, const QString &caption, const QString &startFolder)
{
    return QFileDialog::getOpenFileName(parent, caption, startFolder);
}

// The main window's messages keep the main window's translation context.
QString windowText(const char *key)
{
    return QCoreApplication::translate("Corvane", key);
}

} // namespace

ComparePageController::ComparePageController(Parts parts) : parts_(std::move(parts))
{
    Q_ASSERT(parts_.widgets.complete() && parts_.stack && parts_.bar);
    for (QWidget *window : parts_.widgets.windows)
        window->setStyleSheet(QStringLiteral("background-color:rgb(160,160,210);"));
    mark_ = new QFrame(parts_.widgets.page);
    mark_->setObjectName(QStringLiteral("compare_selection"));
    mark_->setStyleSheet(QStringLiteral("QFrame#compare_selection{background-color:#0296D6;}"));
    mark_->hide();
    model_.applyLayout(CompareLayout::Two, parts_.pageSize.width(), parts_.pageSize.height());
    placeWindows();
}

ComparePageController::~ComparePageController() = default;

void ComparePageController::setDefaultPictureChooserForTests(PictureChooser chooser)
{
    defaultChooser() = std::move(chooser);
}

void ComparePageController::switchOn(bool on)
{
    parts_.bar->setVisible(on);
    parts_.stack->setCurrentIndex(on ? kComparePageIndex : kLivePageIndex);
    if (on)
        showLayout(CompareLayout::Two);
}

void ComparePageController::showLayout(CompareLayout layout)
{
    const bool selectionEnded =
        model_.applyLayout(layout, parts_.pageSize.width(), parts_.pageSize.height());
    // The bar shows the layout in use, also when entering the view resets
    // it to two windows.
    parts_.bar->markLayout(layout);
    placeWindows();
    // The mark follows the selected window; a selection the layout ended
    // turns the page yellow like a press between the windows.
    showSelection(selectionEnded);
}

void ComparePageController::placeWindows()
{
    for (int number = 1; number <= kCompareWindowCount; ++number) {
        const CompareWindow &window = model_.window(number);
        QWidget *widget = parts_.widgets.windows[size_t(number - 1)];
        widget->setGeometry(window.geometry);
        widget->setVisible(window.visible);
        if (window.visible)
            showWindow(number);
    }
}

void ComparePageController::showWindow(int number)
{
    const CompareWindow &window = model_.window(number);
    QLabel *label = parts_.widgets.labels[size_t(number - 1)];
    label->setGeometry(0, 0, window.geometry.width(), window.geometry.height());
    const QImage shown = model_.view(number, label->devicePixelRatioF());
    if (shown.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(shown));
}

void ComparePageController::showSelection(bool restylePage)
{
    const int selected = model_.selected();
    if (restylePage)
        parts_.widgets.page->setStyleSheet(selected != 0
                                               ? QStringLiteral("QWidget#page_3{background-color:#fff;}")
                                               : QStringLiteral("QWidget#page_3{background-color:yellow;}"));
    if (selected == 0 || !model_.window(selected).visible) {
        mark_->hide();
        return;
    }
    const QRect window = model_.window(selected).geometry;
    mark_->setGeometry(window.adjusted(-kMarkWidth, -kMarkWidth, kMarkWidth, kMarkWidth));
    mark_->lower();
    mark_->show();
}

QWidget *ComparePageController::dialogParent() const
{
    return parts_.widgets.page->window();
}

void ComparePageController::warn(const QString &text)
{
    MessageBoxPresenter::warning(dialogParent(), windowText("biduichaungkou"), text);
}

void ComparePageController::openPicture()
{
    const int number = model_.selected();
    if (number == 0) {
        warn(windowText("qingxuanzechaungkou"));
        return;
    }
    const ProcessValues &values = processValues();
    const QString start = values.savePath == QLatin1String("0") ? values.picturesDir : values.savePath;
    const PictureChooser &choose = parts_.choosePicture ? parts_.choosePicture
                                   : defaultChooser()   ? defaultChooser()
                                                        : PictureChooser(chooseWithDialog);
    const QString path = choose(dialogParent(), windowText("wenjian_bidui"), start);
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    // Phone pictures store their orientation beside the pixels.
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        // The window keeps what it showed.
        warn(tr("Could not read %1 as a picture: %2")
                 .arg(QDir::toNativeSeparators(path), reader.errorString()));
        return;
    }
    model_.setPicture(number, picture);
    showWindow(number);
}

void ComparePageController::takePicture()
{
    const int number = model_.selected();
    if (number == 0) {
        warn(windowText("qingxuanzechaungkou"));
        return;
    }
    const QImage frame = parts_.currentFrame ? parts_.currentFrame() : QImage();
    if (frame.isNull()) {
        warn(tr("There is no camera picture yet."));
        return;
    }
    model_.setPicture(number, frame);
    showWindow(number);
}

void ComparePageController::showChanged(const QVector<int> &numbers)
{
    // Hidden windows change too; they show it when a layout shows them.
    for (int number : numbers)
        if (model_.window(number).visible)
            showWindow(number);
}

void ComparePageController::rotateLeft()
{
    showChanged(model_.rotate(-1));
}

void ComparePageController::rotateRight()
{
    showChanged(model_.rotate(+1));
}

void ComparePageController::zoomIn()
{
    showChanged(model_.zoom(+1));
}

void ComparePageController::zoomOut()
{
    showChanged(model_.zoom(-1));
}

void ComparePageController::mousePress(QMouseEvent *event)
{
    QWidget *page = parts_.widgets.page;
    model_.selectAt(page->mapFrom(page->window(), event->pos()));
    showSelection(true);
}
