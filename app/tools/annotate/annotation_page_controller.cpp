// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_page_controller.h"

#include "tools/annotate/annotation_choices.h"
#include "tools/annotate/annotation_picture.h"
#include "tools/annotate/new_picture_file.h"

#include <QCursor>
#include <QFile>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A step of the pen: more than this many pixels in either direction.
constexpr int kPenStillDistance = 2;
constexpr int kWheelNotch = 120;

QCursor eraserCursor()
{
    const int side = AnnotationPageController::kEraserSize;
    const QPixmap picture(QStringLiteral(":/static/pizhu/cursor.png"));
    return QCursor(picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                   side / 2, side / 2);
}

} // namespace

AnnotationPageController::AnnotationPageController(Parts parts) : parts_(std::move(parts))
{
    pen_ = QPen(penColourFor(0), penWidthFor(PenSize::Medium), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
    font_.setPointSize(fontSizeForIndex(0));

    QGraphicsView *view = parts_.view;
    view->setStyleSheet(QStringLiteral("padding:0px;border:0px"));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The view takes no mouse input: presses, moves and releases on the
    // page reach the window, which hands them here.
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setScene(model_.scene());

    entry_ = new QLineEdit(parts_.window);
    entry_->setObjectName(QStringLiteral("textEntry"));
    entry_->hide();
    makeShortcuts();
}

AnnotationPageController::~AnnotationPageController()
{
    // The scene leaves the view by itself when the model deletes it.
    delete entry_.data();
    for (const QPointer<QShortcut> &shortcut : shortcuts_)
        delete shortcut.data();
}

void AnnotationPageController::makeShortcuts()
{
    const struct {
        QKeySequence keys;
        void (AnnotationPageController::*run)();
    } bindings[] = {
        {QKeySequence(Qt::CTRL + Qt::Key_Z), &AnnotationPageController::undo},
        {QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), &AnnotationPageController::redo},
        {QKeySequence(Qt::CTRL + Qt::Key_Y), &AnnotationPageController::redo}};
    for (const auto &binding : bindings) {
        // Whichever of the program's windows is active (the bar is one of
        // its own); the text entry keeps Ctrl+Z for its own typing.
        auto *shortcut = new QShortcut(binding.keys, parts_.window);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setEnabled(false);
        const auto run = binding.run;
        QObject::connect(shortcut, &QShortcut::activated, parts_.window,
                         [this, run] { (this->*run)(); });
        shortcuts_ << shortcut;
    }
}

void AnnotationPageController::switchAnnotation(bool on, const QImage &frame)
{
    if (on) {
        // A picture left from an earlier session must not stand in for
        // this one when the new one cannot be kept.
        QFile::remove(parts_.picturePath);
        if (frame.isNull())
            parts_.reportFailure(tr("There is no camera picture to annotate yet."));
        else if (!frame.save(parts_.picturePath))
            parts_.reportFailure(tr("The camera picture could not be kept for annotation in %1.")
                                     .arg(parts_.picturePath));
    }
    active_ = on;
    restart();
    if (parts_.bar)
        parts_.bar->setVisible(on);
    for (const QPointer<QShortcut> &shortcut : shortcuts_)
        shortcut->setEnabled(on);
    applyCursor();
    parts_.showPage(on ? kAnnotationPage : kLivePage);
}

void AnnotationPageController::restart()
{
    dropEntry();
    pressed_ = false;
    model_.reset(loadAnnotationPicture(parts_.picturePath, parts_.viewHeight));
    applyView();
    parts_.view->centerOn(model_.picture());
}

void AnnotationPageController::applyView()
{
    parts_.view->setTransform(viewState_.transform());
}

void AnnotationPageController::applyCursor()
{
    // The eraser's square cursor belongs to this page only.
    if (!active_)
        parts_.window->unsetCursor();
    else if (mode_ == Mode::Eraser)
        parts_.window->setCursor(eraserCursor());
    else
        parts_.window->setCursor(Qt::ArrowCursor);
}

void AnnotationPageController::toggleText()
{
    if (mode_ == Mode::Text) {
        mode_ = Mode::Pen;
        commitEntry();
    } else {
        mode_ = Mode::Text;
    }
    applyCursor();
}

void AnnotationPageController::toggleEraser()
{
    if (mode_ == Mode::Eraser) {
        mode_ = Mode::Pen;
    } else {
        mode_ = Mode::Eraser;
        commitEntry();
    }
    applyCursor();
}

void AnnotationPageController::clear()
{
    dropEntry();
    model_.clearDrawing();
}

void AnnotationPageController::undo()
{
    // Typing in progress is not part of the history yet: undo drops it.
    if (entry_->isVisible() && !entry_->text().isEmpty()) {
        dropEntry();
        return;
    }
    model_.undo();
}

void AnnotationPageController::redo()
{
    model_.redo();
}

void AnnotationPageController::setPenWidth(int width)
{
    pen_.setWidth(width);
}

void AnnotationPageController::setPenColour(int colourIndex)
{
    colourIndex_ = colourIndex;
    pen_.setColor(penColourFor(colourIndex));
}

void AnnotationPageController::setFontSize(int pointSize)
{
    font_.setPointSize(pointSize);
}

QImage AnnotationPageController::pageImage() const
{
    QImage page(parts_.view->size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    parts_.view->render(&painter);
    return page;
}

void AnnotationPageController::save()
{
    commitEntry();
    const QString path = parts_.newPicturePath();
    const NewPictureResult result = writeNewPictureFile(pageImage(), path, "jpg");
    if (result.saved)
        parts_.reportSaved(QStringLiteral("Scan successfully saved to [") + path
                           + QStringLiteral("]"));
    else
        parts_.reportFailure(tr("The annotation was not saved: %1").arg(result.error));
}

void AnnotationPageController::rotateLeft()
{
    viewState_.turnLeft();
    applyView();
}

void AnnotationPageController::rotateRight()
{
    viewState_.turnRight();
    applyView();
}

void AnnotationPageController::zoomIn()
{
    viewState_.zoomIn();
    applyView();
}

void AnnotationPageController::zoomOut()
{
    viewState_.zoomOut();
    applyView();
}

QPoint AnnotationPageController::pagePoint(const QPoint &windowPoint) const
{
    return parts_.view->viewport()->mapFrom(parts_.window, windowPoint);
}

QPointF AnnotationPageController::toScene(const QPoint &pagePoint) const
{
    return parts_.view->mapToScene(pagePoint);
}

void AnnotationPageController::eraseAlong(const QPoint &from, const QPoint &to)
{
    // Squares every half side along the way, so a fast sweep leaves
    // nothing standing between two mouse positions.
    const int half = kEraserSize / 2;
    const QPoint travel = to - from;
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(travel.x()), std::abs(travel.y()))
                                                / double(half))));
    for (int i = (from == to ? 0 : 1); i <= steps; ++i) {
        const QPoint centre = from + travel * i / steps;
        const QRect square(centre.x() - half, centre.y() - half, kEraserSize, kEraserSize);
        model_.eraseIn(parts_.view->mapToScene(square));
    }
}

void AnnotationPageController::openEntry(const QPoint &windowPoint, const QPoint &pagePoint)
{
    entry_->setFont(font_);
    entry_->setStyleSheet(textEntryStyleFor(colourIndex_));
    entry_->setGeometry(windowPoint.x(), windowPoint.y(), 200,
                        std::max(30, entry_->sizeHint().height()));
    entry_->clear();
    entry_->show();
    entry_->raise();
    entry_->setFocus();
    textAnchor_ = pagePoint;
}

void AnnotationPageController::commitEntry()
{
    if (!entry_->isVisible())
        return;
    const QString text = entry_->text();
    dropEntry();
    if (!text.trimmed().isEmpty())
        model_.placeText(text, toScene(textAnchor_), font_, pen_.color());
}

void AnnotationPageController::dropEntry()
{
    entry_->hide();
    entry_->clear();
}

void AnnotationPageController::mousePress(QMouseEvent *event)
{
    if (!active_ || event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    const QPoint point = pagePoint(event->pos());
    lastPoint_ = point;
    switch (mode_) {
    case Mode::Eraser:
        model_.beginErase();
        eraseAlong(point, point);
        break;
    case Mode::Text: {
        // The text under the press is looked up before the open entry is
        // placed, so a press never picks up the text it just placed.
        QGraphicsTextItem *text = model_.textAt(toScene(point));
        commitEntry();
        if (text)
            model_.beginDrag(text);
        else
            openEntry(event->pos(), point);
        break;
    }
    case Mode::Pen:
        model_.beginStroke();
        break;
    }
    parts_.window->update();
}

void AnnotationPageController::mouseMove(QMouseEvent *event)
{
    if (!active_ || !pressed_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = pagePoint(event->pos());
    switch (mode_) {
    case Mode::Pen:
        if (std::abs(point.x() - lastPoint_.x()) > kPenStillDistance
            || std::abs(point.y() - lastPoint_.y()) > kPenStillDistance) {
            const QPointF to = toScene(point);
            if (model_.pictureContains(to)) {
                model_.addSegment(toScene(lastPoint_), to, pen_);
                lastPoint_ = point;
            }
        }
        break;
    case Mode::Eraser:
        eraseAlong(lastPoint_, point);
        lastPoint_ = point;
        break;
    case Mode::Text:
        if (model_.draggedText()) {
            model_.dragBy(toScene(point) - toScene(lastPoint_));
            lastPoint_ = point;
        }
        break;
    }
    parts_.window->update();
}

void AnnotationPageController::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = false;
    model_.finishGesture();
}

void AnnotationPageController::wheel(QWheelEvent *event)
{
    if (!active_)
        return;
    // A wheel notch is one step; finer wheels and touch pads add up to it.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= kWheelNotch) {
        wheelRemainder_ -= kWheelNotch;
        zoomIn();
    }
    while (wheelRemainder_ <= -kWheelNotch) {
        wheelRemainder_ += kWheelNotch;
        zoomOut();
    }
    event->accept();
}

bool AnnotationPageController::keyPress(QKeyEvent *event)
{
    if (!active_ || !entry_->isVisible())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitEntry();
        return true;
    case Qt::Key_Escape:
        dropEntry();
        return true;
    default:
        return false;
    }
}
