// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/curtain/my_curtain_bar.h"

#include "ui_my_curtain_bar.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QIcon>
#include <QPixmap>

namespace {

void setHandlePicture(QLabel *handle, const char *path, const QSize &size)
{
    handle->setFixedSize(size);
    // Through QIcon, so a screen scaled by 2 gets the handle from its @2x
    // picture at its own resolution (the pictures have the handles' shape).
    handle->setPixmap(QIcon(QString::fromLatin1(path)).pixmap(size));
}

} // namespace

MyCurtainBar::MyCurtainBar(int screenWidth, int screenHeight)
    : QWidget(nullptr), ui_(std::make_unique<Ui::MyCurtainBarClass>()),
      model_(screenWidth, screenHeight)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet(QStringLiteral("QWidget{background-color:#000;}"));
    // Esc reaches the curtain, not the button under the keyboard focus.
    setFocusPolicy(Qt::StrongFocus);
    ui_->btn_close->setFocusPolicy(Qt::NoFocus);

    const QSize upright(CurtainGeometry::kHandleDepth, CurtainGeometry::kHandleLength);
    const QSize lying(CurtainGeometry::kHandleLength, CurtainGeometry::kHandleDepth);
    setHandlePicture(ui_->btn_zuo, ":/static/other/curtain_left.png", upright);
    setHandlePicture(ui_->btn_shang, ":/static/other/curtain_top.png", lying);
    setHandlePicture(ui_->btn_you, ":/static/other/curtain_right.png", upright);
    setHandlePicture(ui_->btn_xia, ":/static/other/curtain_bottom.png", lying);
    ui_->btn_close->setIcon(QIcon(QStringLiteral(":/static/other/curtain_close.png")));
    connect(ui_->btn_close, &QToolButton::clicked, this, [this] { close(); });
    layOut();
}

MyCurtainBar::~MyCurtainBar() = default;

void MyCurtainBar::layOut()
{
    setGeometry(model_.curtainRect());
    ui_->btn_zuo->move(model_.leftHandleRect().topLeft());
    ui_->btn_shang->move(model_.topHandleRect().topLeft());
    ui_->btn_you->move(model_.rightHandleRect().topLeft());
    ui_->btn_xia->move(model_.bottomHandleRect().topLeft());
    ui_->btn_close->move(model_.closeButtonRect().topLeft());
}

void MyCurtainBar::mousePressEvent(QMouseEvent *event)
{
    model_.press(event->pos(), event->globalPos());
}

void MyCurtainBar::mouseMoveEvent(QMouseEvent *event)
{
    model_.move(event->globalPos());
    layOut();
}

void MyCurtainBar::mouseReleaseEvent(QMouseEvent *)
{
    model_.release();
}

void MyCurtainBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void MyCurtainBar::enterEvent(QEvent *event)
{
    activateWindow();
    QWidget::enterEvent(event);
}
#endif

void MyCurtainBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QWidget::changeEvent(event);
}
