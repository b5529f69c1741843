// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/my_com_bar.h"

#include "ui_my_com_bar.h"

#include "core/main_window/hover_tip.h"
#include "core/main_window/hover_watch.h"
#include "tools/compare/com_bar_styles.h"

#include <QEvent>
#include <QPainterPath>
#include <QRegion>

namespace {

// Caption keys, in button order (translation context "MyComBar").
const char *const kCaptionKeys[MyComBar::kButtonCount] = {
    QT_TR_NOOP("erfenchuangkou"), QT_TR_NOOP("sifenchuangkou"), QT_TR_NOOP("liufenchuangkou"),
    QT_TR_NOOP("dakaitupian"), QT_TR_NOOP("paishetupian")};

const char *const kIcons[MyComBar::kButtonCount] = {
    ":/static/com_2.png", ":/static/com_4.png", ":/static/com_6.png",
    ":/static/tool/wenjianjia.png", ":/static/tool/paizhao.png"};

} // namespace

MyComBar::MyComBar(QWidget *parent)
    : QDialog(parent), caption_(std::make_unique<HoverTip>()), ui_(std::make_unique<Ui::MyComBarClass>())
{
    ui_->setupUi(this);
    buttons_ = {ui_->btn_com2, ui_->btn_com4, ui_->btn_com6, ui_->btn_file, ui_->btn_scan};
    shape();
    connect(ui_->btn_com2, SIGNAL(clicked()), this, SLOT(slots_com2()));
    connect(ui_->btn_com4, SIGNAL(clicked()), this, SLOT(slots_com4()));
    connect(ui_->btn_com6, SIGNAL(clicked()), this, SLOT(slots_com6()));
    connect(ui_->btn_file, SIGNAL(clicked()), this, SLOT(slots_file()));
    connect(ui_->btn_scan, SIGNAL(clicked()), this, SLOT(slots_scan()));
}

MyComBar::~MyComBar() = default;

void MyComBar::shape()
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui_->widget->setStyleSheet(QString::fromLatin1(kComBarPanelStyle));
    auto *hover = new HoverWatch(*caption_, [this](int index) { showCaption(Button(index)); }, this);
    for (int i = 0; i < kButtonCount; ++i) {
        QToolButton *button = buttons_[size_t(i)];
        button->setIcon(QIcon(QString::fromLatin1(kIcons[i])));
        button->setIconSize(QSize(40, 40));
        hover->watch(button, i);
    }
    markLayout(CompareLayout::Two);
    // Without a compositor the translucent corners show black; the mask
    // cuts them off.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

QToolButton *MyComBar::button(Button which) const
{
    return buttons_[size_t(which)];
}

QString MyComBar::captionFor(Button which) const
{
    return tr(kCaptionKeys[which]);
}

void MyComBar::markLayout(CompareLayout layout)
{
    marked_ = layout;
    const Button chosen = layout == CompareLayout::Two ? Two : layout == CompareLayout::Four ? Four : Six;
    for (QToolButton *button : buttons_)
        button->setStyleSheet(button == this->button(chosen) ? comChosenStyle(button->objectName())
                                                             : comNormalStyle(button->objectName()));
}

void MyComBar::slots_com2()
{
    markLayout(CompareLayout::Two);
    emit signals_com2();
}

void MyComBar::slots_com4()
{
    markLayout(CompareLayout::Four);
    emit signals_com4();
}

void MyComBar::slots_com6()
{
    markLayout(CompareLayout::Six);
    emit signals_com6();
}

void MyComBar::slots_file()
{
    // The file dialog opens where the caption was.
    caption_->hide();
    emit signals_file();
}

void MyComBar::slots_scan()
{
    emit signals_scan();
}

void MyComBar::showCaption(Button which)
{
    caption_->setText(captionFor(which));
    const QPoint global = button(which)->mapToGlobal(QPoint(0, 0));
    caption_->showAt(QPoint(global.x() - caption_->width() / 2 + 20, global.y() - 50));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void MyComBar::enterEvent(QEvent *event)
{
    // The first click then presses a button instead of activating the bar.
    activateWindow();
    QDialog::enterEvent(event);
}
#endif

void MyComBar::hideEvent(QHideEvent *event)
{
    // A caption left over from the last hover would float alone.
    caption_->hide();
    QDialog::hideEvent(event);
}

void MyComBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}
