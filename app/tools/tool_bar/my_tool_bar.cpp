// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/tool_bar/my_tool_bar.h"

#include "ui_my_tool_bar.h"

#include "core/main_window/button_caption.h"
#include "core/main_window/hover_tip.h"
#include "core/main_window/hover_watch.h"
#include "core/main_window/screen_layout.h"
#include "tools/tool_bar/tool_bar_styles.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

namespace {

// Caption keys, in button order (translation context "MyToolBar").
const char *const kCaptionKeys[MyToolBar::kButtonCount] = {
    QT_TR_NOOP("dakaiwenjianjia"), QT_TR_NOOP("pizhu"), QT_TR_NOOP("luxiang"),
    QT_TR_NOOP("luping"),          QT_TR_NOOP("paizhao"), QT_TR_NOOP("duibi"),
    QT_TR_NOOP("pdf"),             QT_TR_NOOP("ocr"),   QT_TR_NOOP("tiaomashibie"),
    QT_TR_NOOP("lianpai"),         QT_TR_NOOP("sijiao")};

// Icon words, in button order: ":/static/tool/<word>.png".
const char *const kIconWords[MyToolBar::kButtonCount] = {
    "wenjianjia", "pizhu", "luxiang", "luping", "paizhao", "duibi", "pdf", "ocr", "tiaoma",
    "lianpai", "sijiao"};

QIcon toolIcon(const char *word, const char *suffix = "")
{
    return QIcon(QStringLiteral(":/static/tool/%1%2.png")
                     .arg(QLatin1String(word), QLatin1String(suffix)));
}

int primaryScreenHeight()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 0;
}

} // namespace

MyToolBar::MyToolBar(QWidget *parent) : MyToolBar(primaryScreenHeight(), parent) {}

MyToolBar::MyToolBar(int screenHeight, QWidget *parent)
    : QDialog(parent), caption_(std::make_unique<HoverTip>()), ui_(std::make_unique<Ui::MyToolBarClass>())
{
    ui_->setupUi(this);
    buttons_ = {ui_->btn_wenjianjia, ui_->btn_pizhu, ui_->btn_luxiang, ui_->btn_luping,
                ui_->btn_paizhao,    ui_->btn_duibi, ui_->btn_pdf,     ui_->btn_ocr,
                ui_->btn_tiaoma,     ui_->btn_lianpai, ui_->btn_sijiao};
    shape(screenHeight);
    connectButtons();
}

MyToolBar::~MyToolBar() = default;

void MyToolBar::shape(int screenHeight)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setStyleSheet(QString::fromLatin1(kToolBarStyle));
    const bool large = isLargeScreen(screenHeight);
    const QSize buttonSize = large ? QSize(60, 60) : QSize(52, 52);
    auto *hover = new HoverWatch(*caption_, [this](int index) { showCaption(Button(index)); }, this);
    for (int i = 0; i < kButtonCount; ++i) {
        QToolButton *button = buttons_[size_t(i)];
        button->setIconSize(buttonSize);
        button->setFixedSize(buttonSize);
        button->setIcon(toolIcon(kIconWords[i]));
        button->setStyleSheet(toolNormalStyle(button->objectName()));
        hover->watch(button, i);
    }
    ui_->btn_paizhao->setStyleSheet(toolFirstPhotoStyle());
    // The main window centres the bar for its width (toolBarWidth); the
    // bar takes that width so it really is centred.
    resize(QSize(toolBarWidth(screenHeight), 80));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void MyToolBar::connectButtons()
{
    connect(ui_->btn_wenjianjia, SIGNAL(clicked()), this, SLOT(slots_wenjianjia()));
    connect(ui_->btn_pizhu, SIGNAL(clicked()), this, SLOT(slots_pizhu()));
    connect(ui_->btn_luxiang, SIGNAL(clicked()), this, SLOT(slots_luxiang()));
    connect(ui_->btn_luping, SIGNAL(clicked()), this, SLOT(slots_luping()));
    connect(ui_->btn_paizhao, SIGNAL(clicked()), this, SLOT(slots_paizhao()));
    connect(ui_->btn_duibi, SIGNAL(clicked()), this, SLOT(slots_duibi()));
    connect(ui_->btn_pdf, SIGNAL(clicked()), this, SLOT(slots_pdf()));
    connect(ui_->btn_ocr, SIGNAL(clicked()), this, SLOT(slots_ocr()));
    connect(ui_->btn_tiaoma, SIGNAL(clicked()), this, SLOT(slots_tiaoma()));
    connect(ui_->btn_lianpai, SIGNAL(clicked()), this, SLOT(slots_lianpai()));
    connect(ui_->btn_sijiao, SIGNAL(clicked()), this, SLOT(slots_sijiao()));
}

QToolButton *MyToolBar::button(Button which) const
{
    return buttons_[size_t(which)];
}

void MyToolBar::setAvailable(Button which, bool available)
{
    button(which)->setEnabled(available);
}

bool MyToolBar::isAvailable(Button which) const
{
    return button(which)->isEnabled();
}

void MyToolBar::setShortcutHint(Button which, const QKeySequence &keys)
{
    shortcuts_[size_t(which)] = keys;
}

QString MyToolBar::captionFor(Button which) const
{
    return buttonCaption(tr(kCaptionKeys[which]), shortcuts_[size_t(which)],
                         isAvailable(which) ? QString() : tr("not available yet"));
}

void MyToolBar::restyleAll(Button chosen, bool chosenOn)
{
    for (int i = 0; i < kButtonCount; ++i) {
        QToolButton *each = buttons_[size_t(i)];
        each->setStyleSheet(busy_[size_t(i)] ? toolBusyStyle(each->objectName())
                                             : toolNormalStyle(each->objectName()));
    }
    if (chosenOn)
        button(chosen)->setStyleSheet(toolChosenStyle(button(chosen)->objectName()));
}

void MyToolBar::setBusy(Button which, bool busy)
{
    busy_[size_t(which)] = busy;
    QToolButton *shown = button(which);
    shown->setStyleSheet(busy ? toolBusyStyle(shown->objectName())
                              : toolNormalStyle(shown->objectName()));
}

bool MyToolBar::toggleTool(ToolToggleMachine::Tool tool, Button which, bool &accepted)
{
    accepted = tools_.toggle(tool);
    if (!accepted)
        return false;
    const bool on = tools_.isOn(tool);
    restyleAll(which, on);
    if (which == RecordVideo || which == RecordScreen || which == Pages)
        button(which)->setIcon(toolIcon(kIconWords[which], on ? "1" : ""));
    return on;
}

void MyToolBar::switchOff(Button which)
{
    ToolToggleMachine::Tool tool;
    switch (which) {
    case Annotate: tool = ToolToggleMachine::Annotate; break;
    case RecordVideo: tool = ToolToggleMachine::RecordVideo; break;
    case RecordScreen: tool = ToolToggleMachine::RecordScreen; break;
    case Compare: tool = ToolToggleMachine::Compare; break;
    case Pages: tool = ToolToggleMachine::PageCapture; break;
    default: return;
    }
    if (!tools_.isOn(tool))
        return;
    bool accepted = false;
    toggleTool(tool, which, accepted);
}

void MyToolBar::slots_wenjianjia()
{
    emit signals_wenjianjia();
}

void MyToolBar::slots_pizhu()
{
    bool accepted = false;
    const bool on = toggleTool(ToolToggleMachine::Annotate, Annotate, accepted);
    if (accepted)
        emit signals_pizhu(on);
}

void MyToolBar::slots_luxiang()
{
    bool accepted = false;
    const bool on = toggleTool(ToolToggleMachine::RecordVideo, RecordVideo, accepted);
    if (accepted)
        emit signals_luxiang(on);
}

void MyToolBar::slots_luping()
{
    bool accepted = false;
    const bool on = toggleTool(ToolToggleMachine::RecordScreen, RecordScreen, accepted);
    if (accepted)
        emit signals_luping(on);
}

void MyToolBar::slots_duibi()
{
    bool accepted = false;
    const bool on = toggleTool(ToolToggleMachine::Compare, Compare, accepted);
    if (accepted)
        emit signals_duibi(on);
}

void MyToolBar::slots_paizhao()
{
    if (!tools_.acceptsOneShot())
        return;
    for (Button which : {Annotate, RecordVideo, RecordScreen, Compare})
        button(which)->setStyleSheet(toolNormalStyle(button(which)->objectName()));
    // White until the next toggle tool switch restyles it.
    ui_->btn_paizhao->setStyleSheet(QString::fromLatin1(kPhotoWhiteStyle));
    emit signals_paizhao();
}

void MyToolBar::slots_ocr()
{
    if (tools_.acceptsOneShot())
        emit signals_ocr();
}

void MyToolBar::slots_pdf()
{
    if (tools_.acceptsOneShot())
        emit signals_pdf();
}

void MyToolBar::slots_tiaoma()
{
    if (tools_.acceptsOneShot())
        emit signals_tiaoma();
}

void MyToolBar::slots_lianpai()
{
    bool accepted = false;
    const bool on = toggleTool(ToolToggleMachine::PageCapture, Pages, accepted);
    if (accepted)
        emit signals_lianpai(on);
}

void MyToolBar::slots_sijiao()
{
    if (tools_.acceptsOneShot())
        emit signals_sijiao();
}

void MyToolBar::showCaption(Button which)
{
    QToolButton *hovered = button(which);
    caption_->setText(captionFor(which));
    const QPoint global = hovered->mapToGlobal(QPoint(0, 0));
    caption_->showAt(QPoint(global.x() - caption_->width() / 2 + 30, global.y() - 60));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void MyToolBar::enterEvent(QEvent *event)
{
    // The first click then presses a button instead of activating the bar.
    activateWindow();
    QDialog::enterEvent(event);
}
#endif

void MyToolBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}
