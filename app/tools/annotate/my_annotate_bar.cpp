// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/my_annotate_bar.h"

#include "ui_my_annotate_bar.h"

#include "core/main_window/button_caption.h"
#include "core/main_window/hover_tip.h"
#include "core/main_window/hover_watch.h"
#include "core/main_window/screen_layout.h"
#include "tools/annotate/annotate_bar_styles.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainterPath>
#include <QRegion>

namespace {

// Caption keys, in control order (translation context "MyAnnotateBar").
const char *const kCaptionKeys[MyAnnotateBar::kControlCount] = {
    QT_TR_NOOP("wenzi"),   QT_TR_NOOP("zihao"),     QT_TR_NOOP("xiao"),
    QT_TR_NOOP("zhong"),   QT_TR_NOOP("da"),        QT_TR_NOOP("hongse"),
    QT_TR_NOOP("huangse"), QT_TR_NOOP("qingse"),    QT_TR_NOOP("lvse"),
    QT_TR_NOOP("lanse"),   QT_TR_NOOP("meihongse"), QT_TR_NOOP("xiangpicha"),
    QT_TR_NOOP("chexiao"), QT_TR_NOOP("qingkong"),  QT_TR_NOOP("baocun")};

// Icon words, in control order: ":/static/pizhu/<word>.png" (the size box
// has none).
const char *const kIconWords[MyAnnotateBar::kControlCount] = {
    "wenzi", nullptr, "xiao", "zhong", "da", "hong", "huang", "qing", "lv", "lan", "meihong",
    "xiangpicha", "chexiao", "qingchu", "save"};

} // namespace

MyAnnotateBar::MyAnnotateBar(int screenHeight, QWidget *parent)
    : QDialog(parent), caption_(std::make_unique<HoverTip>()),
      ui_(std::make_unique<Ui::MyAnnotateBarClass>())
{
    ui_->setupUi(this);
    controls_ = {ui_->btn_text,    ui_->btn_font,  ui_->btn_xiao,   ui_->btn_zhong,
                 ui_->btn_da,      ui_->btn_hong,  ui_->btn_huang,  ui_->btn_juhuang,
                 ui_->btn_lv,      ui_->btn_lan,   ui_->btn_meihong, ui_->btn_cachu,
                 ui_->btn_chexiao, ui_->btn_qingkong, ui_->btn_save};
    shape(screenHeight);
    connectControls();
    setUndoAvailable(false);
}

MyAnnotateBar::~MyAnnotateBar() = default;

void MyAnnotateBar::shape(int screenHeight)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    const bool large = isLargeScreen(screenHeight);
    const int side = large ? 40 : 20;
    const int pitch = large ? 50 : 30;
    // Ten pixels of margin around the row of controls.
    const QSize size(10 + (kControlCount - 1) * pitch + side + 10, side + 20);
    setFixedSize(size);
    ui_->widget->setGeometry(QRect(QPoint(0, 0), size));
    ui_->widget->setStyleSheet(QString::fromLatin1(kAnnotateBarPanelStyle));
    auto *hover = new HoverWatch(*caption_, [this](int index) { showCaption(Control(index)); }, this);
    for (int i = 0; i < kControlCount; ++i) {
        QWidget *control = controls_[size_t(i)];
        control->setGeometry(10 + i * pitch, 10, side, side);
        hover->watch(control, i);
        if (auto *button = qobject_cast<QToolButton *>(control)) {
            button->setIcon(QIcon(QStringLiteral(":/static/pizhu/%1.png")
                                      .arg(QLatin1String(kIconWords[i]))));
            button->setIconSize(QSize(side, side));
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            highlight(Control(i), false);
        }
    }
    QFont small = ui_->btn_font->font();
    small.setPointSize(9);
    ui_->btn_font->setFont(small);
    ui_->btn_font->setStyleSheet(QString::fromLatin1(kAnnotateFontBoxStyle));
    highlight(Medium, true);
    highlight(Red, true);
    // Without a compositor the translucent corners would show black.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void MyAnnotateBar::connectControls()
{
    connect(ui_->btn_text, SIGNAL(clicked()), this, SLOT(slots_text()));
    connect(ui_->btn_font, SIGNAL(currentIndexChanged(int)), this, SLOT(slots_font(int)));
    connect(ui_->btn_xiao, SIGNAL(clicked()), this, SLOT(slots_xiao()));
    connect(ui_->btn_zhong, SIGNAL(clicked()), this, SLOT(slots_zhong()));
    connect(ui_->btn_da, SIGNAL(clicked()), this, SLOT(slots_da()));
    connect(ui_->btn_hong, SIGNAL(clicked()), this, SLOT(slots_hong()));
    connect(ui_->btn_huang, SIGNAL(clicked()), this, SLOT(slots_huang()));
    connect(ui_->btn_juhuang, SIGNAL(clicked()), this, SLOT(slots_qing()));
    connect(ui_->btn_lv, SIGNAL(clicked()), this, SLOT(slots_lv()));
    connect(ui_->btn_lan, SIGNAL(clicked()), this, SLOT(slots_lan()));
    connect(ui_->btn_meihong, SIGNAL(clicked()), this, SLOT(slots_meihong()));
    connect(ui_->btn_cachu, SIGNAL(clicked()), this, SLOT(slots_xiangpicha()));
    connect(ui_->btn_chexiao, SIGNAL(clicked()), this, SLOT(slots_chexiao()));
    connect(ui_->btn_qingkong, SIGNAL(clicked()), this, SLOT(slots_qingkong()));
    connect(ui_->btn_save, SIGNAL(clicked()), this, SLOT(slots_save()));
}

QWidget *MyAnnotateBar::control(Control which) const
{
    return controls_[size_t(which)];
}

bool MyAnnotateBar::isHighlighted(Control which) const
{
    QWidget *widget = control(which);
    return widget->styleSheet() == annotateChosenStyle(widget->objectName());
}

void MyAnnotateBar::highlight(Control which, bool chosen)
{
    QWidget *widget = control(which);
    widget->setStyleSheet(chosen ? annotateChosenStyle(widget->objectName())
                                 : annotateNormalStyle(widget->objectName()));
}

void MyAnnotateBar::choose(Control first, Control last, Control chosen)
{
    for (int i = first; i <= last; ++i)
        highlight(Control(i), i == chosen);
}

void MyAnnotateBar::setUndoAvailable(bool available)
{
    control(Undo)->setEnabled(available);
}

QString MyAnnotateBar::captionFor(Control which) const
{
    const QKeySequence keys =
        which == Undo ? QKeySequence(QKeySequence::Undo) : QKeySequence();
    return buttonCaption(tr(kCaptionKeys[which]), keys, QString());
}

void MyAnnotateBar::slots_text()
{
    if (textOn_) {
        highlight(Text, false);
        textOn_ = false;
    } else {
        highlight(Text, true);
        highlight(Eraser, false);
        eraserOn_ = false;
        textOn_ = true;
    }
    emit signals_text();
}

void MyAnnotateBar::slots_xiangpicha()
{
    if (eraserOn_) {
        highlight(Eraser, false);
        eraserOn_ = false;
    } else {
        highlight(Eraser, true);
        highlight(Text, false);
        textOn_ = false;
        eraserOn_ = true;
    }
    emit signals_xiangpicha();
}

void MyAnnotateBar::slots_font(int index)
{
    emit signals_font(fontSizeForIndex(index));
}

void MyAnnotateBar::slots_xiao()
{
    choose(Small, Large, Small);
    emit signals_xiao();
}

void MyAnnotateBar::slots_zhong()
{
    choose(Small, Large, Medium);
    emit signals_zhong();
}

void MyAnnotateBar::slots_da()
{
    choose(Small, Large, Large);
    emit signals_da();
}

void MyAnnotateBar::slots_hong()
{
    choose(Red, Magenta, Red);
    emit signals_hong();
}

void MyAnnotateBar::slots_huang()
{
    choose(Red, Magenta, Yellow);
    emit signals_huang();
}

void MyAnnotateBar::slots_qing()
{
    choose(Red, Magenta, Cyan);
    emit signals_qing();
}

void MyAnnotateBar::slots_lv()
{
    choose(Red, Magenta, Green);
    emit signals_lv();
}

void MyAnnotateBar::slots_lan()
{
    choose(Red, Magenta, Blue);
    emit signals_lan();
}

void MyAnnotateBar::slots_meihong()
{
    choose(Red, Magenta, Magenta);
    emit signals_meihong();
}

void MyAnnotateBar::slots_chexiao()
{
    emit signals_chexiao();
}

void MyAnnotateBar::slots_qingkong()
{
    emit signals_qingkong();
}

void MyAnnotateBar::slots_save()
{
    emit signals_save();
}

void MyAnnotateBar::showCaption(Control which)
{
    QWidget *hovered = control(which);
    caption_->setText(captionFor(which));
    const QPoint global = hovered->mapToGlobal(QPoint(0, 0));
    caption_->showAt(QPoint(global.x() - caption_->width() / 2 + 20, global.y() - 50));
}

void MyAnnotateBar::keyPressEvent(QKeyEvent *event)
{
    // A dialog closes on Escape; this panel stays until annotation ends.
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void MyAnnotateBar::hideEvent(QHideEvent *event)
{
    caption_->hide();
    QDialog::hideEvent(event);
}

void MyAnnotateBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}
