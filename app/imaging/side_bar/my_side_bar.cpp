// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/side_bar/my_side_bar.h"

#include "ui_my_side_bar.h"

#include "core/main_window/button_caption.h"
#include "core/main_window/hover_tip.h"
#include "core/main_window/hover_watch.h"
#include "core/main_window/screen_layout.h"
#include "imaging/side_bar/side_bar_styles.h"

#include <QBitmap>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

// Caption keys, in button order (translation context "MySideBar"); the
// freeze button reads "yulan" while pressed.
const char *const kCaptionKeys[MySideBar::kButtonCount] = {
    QT_TR_NOOP("fenbianlv"),         QT_TR_NOOP("zuozhuan"), QT_TR_NOOP("youzhuan"),
    QT_TR_NOOP("fangda"),            QT_TR_NOOP("suoxiao"),  QT_TR_NOOP("zuoyoujingxiang"),
    QT_TR_NOOP("shangxiajingxiang"), QT_TR_NOOP("jiupian"),  QT_TR_NOOP("caijian"),
    QT_TR_NOOP("zhezhao"),           QT_TR_NOOP("dongjie")};

// Icon words, in button order: ":/static/side/<word>.png".
const char *const kIconWords[MySideBar::kButtonCount] = {
    "fenbianlv", "zuozhuan", "youzhuan", "fangda", "suoxiao", "zuoyoujingxiang",
    "shangxiajingxiang", "jiupian", "caijian", "zhezhao", "dongjie"};

int primaryScreenHeight()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 0;
}

} // namespace

MySideBar::MySideBar(QWidget *parent) : MySideBar(primaryScreenHeight(), parent) {}

MySideBar::MySideBar(int screenHeight, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MySideBarClass>()), caption_(std::make_unique<HoverTip>())
{
    ui_->setupUi(this);
    buttons_ = {ui_->btn_resolution, ui_->btn_left,
                ui_->btn_right,      ui_->btn_fangda,
                ui_->btn_suoxiao,    ui_->btn_zuoyoujingxiang,
                ui_->btn_shangxiajingxiang, ui_->btn_jiupian,
                ui_->btn_caijian,    ui_->btn_mubu,
                ui_->btn_dongjie};
    shape(screenHeight);
    connectButtons();
}

MySideBar::~MySideBar() = default;

void MySideBar::shape(int screenHeight)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setStyleSheet(QString::fromLatin1(kSideBarStyle));
    const QSize buttonSize = isLargeScreen(screenHeight) ? QSize(60, 60) : QSize(40, 40);
    auto *hover = new HoverWatch(*caption_, [this](int index) { showCaption(Button(index)); }, this);
    // The caption already says it; Qt's bubble would cover the picture.
    hover->setSwallowToolTips(true);
    for (int i = 0; i < kButtonCount; ++i) {
        QToolButton *button = buttons_[size_t(i)];
        button->setIconSize(buttonSize);
        button->setFixedSize(buttonSize);
        hover->watch(button, i);
        button->setStyleSheet(sideNormalStyle(button->objectName()));
        button->setIcon(QIcon(QStringLiteral(":/static/side/%1.png").arg(QLatin1String(kIconWords[i]))));
    }
    // As tall as its buttons: the form's 782 pixels would run off the
    // bottom of a small screen, where the bar starts 280 pixels lower.
    setFixedWidth(80);
    setFixedHeight(layout()->sizeHint().height());

    QBitmap mask(size());
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(mask.rect(), 10, 10);
    painter.end();
    setMask(mask);
}

void MySideBar::connectButtons()
{
    connect(ui_->btn_resolution, SIGNAL(clicked()), this, SLOT(slots_fenbianlv()));
    connect(ui_->btn_left, SIGNAL(clicked()), this, SLOT(slots_zuozhuan()));
    connect(ui_->btn_right, SIGNAL(clicked()), this, SLOT(slots_youzhuan()));
    connect(ui_->btn_fangda, SIGNAL(clicked()), this, SLOT(slots_fangda()));
    connect(ui_->btn_suoxiao, SIGNAL(clicked()), this, SLOT(slots_suoxiao()));
    connect(ui_->btn_zuoyoujingxiang, SIGNAL(clicked()), this, SLOT(slots_zuoyoujingxiang()));
    connect(ui_->btn_shangxiajingxiang, SIGNAL(clicked()), this, SLOT(slots_shangxiajingxiang()));
    connect(ui_->btn_jiupian, SIGNAL(clicked()), this, SLOT(slots_jiupian()));
    connect(ui_->btn_caijian, SIGNAL(clicked()), this, SLOT(slots_caijian()));
    connect(ui_->btn_mubu, SIGNAL(clicked()), this, SLOT(slots_zhezhao()));
    connect(ui_->btn_dongjie, SIGNAL(clicked()), this, SLOT(slots_dongjie()));
}

QToolButton *MySideBar::button(Button which) const
{
    return buttons_[size_t(which)];
}

void MySideBar::setAvailable(Button which, bool available)
{
    button(which)->setEnabled(available);
}

bool MySideBar::isAvailable(Button which) const
{
    return button(which)->isEnabled();
}

void MySideBar::setShortcutHint(Button which, const QKeySequence &keys)
{
    shortcuts_[size_t(which)] = keys;
}

QString MySideBar::captionFor(Button which) const
{
    const QString name = which == Freeze && freezeShown_ ? tr("yulan") : tr(kCaptionKeys[which]);
    return buttonCaption(name, shortcuts_[size_t(which)],
                         isAvailable(which) ? QString() : tr("not available yet"));
}

ExclusiveToggles::Outcome MySideBar::clickToggle(ExclusiveToggles::Toggle toggle, Button which)
{
    const ExclusiveToggles::Outcome outcome = toggles_.click(toggle);
    QToolButton *pressed = button(which);
    if (outcome == ExclusiveToggles::Outcome::Pressed)
        pressed->setStyleSheet(sidePressedStyle(pressed->objectName()));
    else if (outcome == ExclusiveToggles::Outcome::Released)
        pressed->setStyleSheet(sideNormalStyle(pressed->objectName()));
    return outcome;
}

void MySideBar::slots_fenbianlv()
{
    // The resolution menu opens where the caption was.
    caption_->hide();
    emit signals_fenbianlv();
}

void MySideBar::slots_zuozhuan()
{
    emit signals_zuozhuan();
}

void MySideBar::slots_youzhuan()
{
    emit signals_youzhuan();
}

void MySideBar::slots_fangda()
{
    emit signals_fangda();
}

void MySideBar::slots_suoxiao()
{
    emit signals_suoxiao();
}

void MySideBar::slots_zuoyoujingxiang()
{
    if (clickToggle(ExclusiveToggles::MirrorLeftRight, MirrorLeftRight) != ExclusiveToggles::Outcome::Refused)
        emit signals_zuoyoujingxiang();
}

void MySideBar::slots_shangxiajingxiang()
{
    if (clickToggle(ExclusiveToggles::MirrorTopBottom, MirrorTopBottom) != ExclusiveToggles::Outcome::Refused)
        emit signals_shangxiajingxiang();
}

void MySideBar::slots_jiupian()
{
    const ExclusiveToggles::Outcome outcome = clickToggle(ExclusiveToggles::Deskew, Deskew);
    if (outcome != ExclusiveToggles::Outcome::Refused)
        emit signals_jiupian(outcome == ExclusiveToggles::Outcome::Pressed ? 1 : 0);
}

void MySideBar::slots_caijian()
{
    const ExclusiveToggles::Outcome outcome = clickToggle(ExclusiveToggles::Crop, Crop);
    if (outcome != ExclusiveToggles::Outcome::Refused)
        emit signals_caijian(outcome == ExclusiveToggles::Outcome::Pressed ? 1 : 0);
}

void MySideBar::slots_zhezhao()
{
    emit signals_zhezhao();
}

void MySideBar::slots_dongjie()
{
    QToolButton *freeze = ui_->btn_dongjie;
    freezeShown_ = !freezeShown_;
    freeze->setStyleSheet(freezeShown_ ? sidePressedStyle(freeze->objectName())
                                       : sideNormalStyle(freeze->objectName()));
    freeze->setToolTip(freezeShown_ ? tr("yulan") : tr("dongjie"));
    emit signals_dongjie();
}

void MySideBar::showCaption(Button which)
{
    caption_->setText(captionFor(which));
    caption_->showAt(button(which)->mapToGlobal(QPoint(0, 0)) + QPoint(80, 3));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void MySideBar::enterEvent(QEvent *event)
{
    activateWindow();
    QDialog::enterEvent(event);
}
#endif

void MySideBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        if (!ui_->btn_dongjie->toolTip().isEmpty())
            ui_->btn_dongjie->setToolTip(freezeShown_ ? tr("yulan") : tr("dongjie"));
    }
    QDialog::changeEvent(event);
}
