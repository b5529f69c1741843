#include "core/main_window/corvane.h"
#include "ui_corvane.h"

#include "core/startup/app_settings.h"
#include "core/main_window/hover_tip.h"
#include "core/startup/language_table.h"
#include "tools/settings/my_settings_bar.h"
#include "core/connection/my_wifi_select.h"
#include "core/live_view/live_view_session.h"
#include "core/live_view/picture_placement.h"
#include "core/startup/process_values.h"
#include "core/resolution/resolution_menu_controller.h"
#include "core/main_window/screen_layout.h"
#include "core/main_window/status_banner.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegion>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QTranslator>

Corvane::Corvane(QWidget *parent)
    : QWidget(parent),
      ui_(new Ui::CorvaneClass),
      resolutionMenu_(std::make_unique<ResolutionMenuController>())
{
    buildShell();
    shapeSideButton();
    connectTitleBar();

    // The floating panels are placed here once they exist (tool bar, side
    // bar, compare bar, annotation bar, each from panelPlacesFor()); the
    // toggle below then hides them until a camera is chosen.
    sideShowAndHide();
    ui_->btn_side->hide();

    wifiSelect_ = new MyWifiSelect(std::make_unique<WirelessBroadcastSource>(),
                                   CameraSearchWorker::libraryQuery());
    wifiSelect_->show();
    connect(wifiSelect_, SIGNAL(sendWifiIp(QString)), this, SLOT(startWifiVideo(QString)));
    createLiveView();

    hoverTip_ = std::make_unique<HoverTip>();
    for (QWidget *watched : {static_cast<QWidget *>(ui_->btn_side),
                             static_cast<QWidget *>(ui_->software_settings),
                             static_cast<QWidget *>(ui_->software_help),
                             static_cast<QWidget *>(ui_->software_min),
                             static_cast<QWidget *>(ui_->software_close),
                             static_cast<QWidget *>(ui_->luxiang_mic_btn)}) {
        watched->setAttribute(Qt::WA_Hover);
        watched->installEventFilter(this);
    }
}

Corvane::~Corvane()
{
    delete settingsDialog_.data();
    liveView_->stop();
    delete wifiSelect_;
}

void Corvane::buildShell()
{
    ui_->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    screenWidth_ = available.width();
    screenHeight_ = available.height();
    viewHeight_ = screenHeight_ - kTitleBarHeight;
    // Set explicitly: without a window manager nothing else makes the window
    // cover the screen.
    setGeometry(0, 0, screenWidth_, screenHeight_);
    setFixedSize(screenWidth_, screenHeight_);

    ui_->widget_title->setGeometry(0, 0, screenWidth_, kTitleBarHeight);
    ui_->stackedWidget->setGeometry(0, kTitleBarHeight, screenWidth_, viewHeight_);
    ui_->stackedWidget->setCurrentIndex(FloatingPanels::LivePage);
    ui_->widget_state->setGeometry(0, screenHeight_ - 30, screenWidth_, 30);
    ui_->widget_state->hide();
    ui_->state_btn_clear->setIcon(QIcon(QStringLiteral(":/static/other/widget_state_guanbi.png")));

    banner_ = new StatusBanner(ui_->widget_state, ui_->state_label_icon, ui_->state_label_text, this);
    banner_->setMarks(
        QImage(QStringLiteral(":/static/other/widget_state_dui.png")).scaled(20, 20),
        QImage(QStringLiteral(":/static/other/widget_state_cuo.png")).scaled(20, 20));
    connect(banner_, &StatusBanner::expired, this, &Corvane::setWidgetStateTextClear);
    connect(ui_->state_btn_clear, &QToolButton::clicked, this, &Corvane::setWidgetStateTextClear);

    ui_->software_ico->setIcon(QIcon(QStringLiteral(":/static/logo.png")));
    ui_->software_ico->setIconSize(QSize(26, 26));
    ui_->software_settings->setIcon(QIcon(QStringLiteral(":/static/head/software_settings.png")));
    ui_->software_help->setIcon(QIcon(QStringLiteral(":/static/head/software_help.png")));
    ui_->software_min->setIcon(QIcon(QStringLiteral(":/static/head/software_min.png")));
    ui_->software_close->setIcon(QIcon(QStringLiteral(":/static/head/software_close.png")));
    setWindowIcon(QIcon(QStringLiteral(":/static/logo.png")));
    ui_->software_help->hide();
    setWindowTitle(QStringLiteral("Lumivo Wireless"));
}

void Corvane::shapeSideButton()
{
    const SideButtonLayout layout = sideButtonLayoutFor(screenHeight_);
    QPushButton *button = ui_->btn_side;
    button->setIcon(QIcon(QStringLiteral(":/static/btn_show.png")));
    button->setStyleSheet(layout.styleSheet);
    button->setGeometry(layout.geometry);
    QPainterPath circle;
    circle.addRoundedRect(QRectF(0, 0, layout.geometry.width(), layout.geometry.height()),
                          layout.radius, layout.radius);
    button->setMask(QRegion(circle.toFillPolygon().toPolygon()));
    button->raise();
}

void Corvane::connectTitleBar()
{
    connect(ui_->software_close, SIGNAL(clicked()), this, SLOT(close()));
    connect(ui_->software_min, SIGNAL(clicked()), this, SLOT(showMinimized()));
    // The help button is hidden; it only minimises (no web page to open).
    connect(ui_->software_help, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(ui_->software_settings, &QToolButton::clicked, this, &Corvane::openSettingsDialog);
    connect(ui_->btn_side, SIGNAL(clicked()), this, SLOT(sideShowAndHide()));

    ui_->widget_luxiang->hide();
    recordTimer_ = new QTimer(this);
    recordTime_ = std::make_unique<QTime>(0, 0, 0, 0);
    ui_->luxiang_mic_btn->setIcon(QIcon(QStringLiteral(":/static/mai.png")));
    connect(ui_->luxiang_mic_btn, SIGNAL(clicked()), this, SLOT(myMic()));
    clipboard_ = QApplication::clipboard();
}

MySettingsBar *Corvane::settingsDialog() const
{
    return settingsDialog_.data();
}

void Corvane::openSettingsDialog()
{
    // A fresh dialog every time, so it always starts from the stored values.
    delete settingsDialog_.data();
    settingsDialog_ = new MySettingsBar();
    connect(settingsDialog_, SIGNAL(signals_change_savePath(QString)), this,
            SLOT(settingChangeSavePath(QString)));
    connect(settingsDialog_, SIGNAL(signals_change_language()), this,
            SLOT(settingChangeLanguage()));
    settingsDialog_->show();
}

void Corvane::createLiveView()
{
    qRegisterMetaType<unsigned char *>("unsigned char*");
    liveView_ = std::make_unique<LiveViewSession>(PreviewCalls::library());
    liveView_->setDisplayRows(viewHeight_);
    connect(liveView_.get(), &LiveViewSession::startWork, this, &Corvane::startWifiWork);
    connect(liveView_.get(), SIGNAL(frameBytes(unsigned char *, int)), this,
            SLOT(drawWifiVideoFrame(unsigned char *, int)));
    // The picture area repaints when there is something new to show: a
    // frame, the camera's silence or return, another page.
    connect(liveView_.get(), &LiveViewSession::pictureChanged, this, [this]() { update(pictureArea()); });
    connect(liveView_.get(), &LiveViewSession::cameraAnswered, this, &Corvane::cameraAnswered);
    connect(ui_->stackedWidget, &QStackedWidget::currentChanged, this, [this]() { update(pictureArea()); });
}

const QImage &Corvane::currentFrame() const
{
    return liveView_->currentFrame();
}

void Corvane::setPresentObserver(std::function<void(const QImage &)> observer)
{
    livePainter_.setPresentObserver(std::move(observer));
}

QRect Corvane::pictureArea() const
{
    return QRect(0, kTitleBarHeight, screenWidth_, viewHeight_);
}

QString Corvane::liveNotice() const
{
    if (!liveView_->cameraSilent())
        return QString();
    // Without a translation the key has no place for the address.
    const QString text = tr("xiangji_wuxiangying");
    return text.contains(QLatin1String("%1")) ? text.arg(liveView_->address())
                                              : text + QLatin1Char('\n') + liveView_->address();
}

void Corvane::cameraAnswered(bool again)
{
    setWidgetStateDui(again ? tr("xiangji_huifu") : tr("xiangji_lianjie"));
}

void Corvane::sideShowAndHide()
{
    QPushButton *button = ui_->btn_side;
    // Parented to the button: it deletes itself when it stops, and goes with
    // the button if the window closes before it has.
    auto *twitch = new QPropertyAnimation(button, "geometry", button);
    twitch->setDuration(100);
    twitch->setStartValue(button->geometry().translated(1, 1));
    twitch->setEndValue(button->geometry());
    twitch->setEasingCurve(QEasingCurve::InOutElastic);
    twitch->start(QAbstractAnimation::DeleteWhenStopped);

    const bool shown = panels_.toggle(ui_->stackedWidget->currentIndex());
    button->setIcon(QIcon(shown ? QStringLiteral(":/static/btn_show.png")
                                : QStringLiteral(":/static/btn_hide.png")));
}

void Corvane::myMic()
{
    micOn_ = !micOn_;
    ui_->luxiang_mic_btn->setIcon(
        QIcon(micOn_ ? QStringLiteral(":/static/mai.png") : QStringLiteral(":/static/mai1.png")));
}

void Corvane::settingChangeSavePath(QString path)
{
    processValues().savePath = path;
    QDir folder(path);
    if (!folder.exists())
        folder.mkpath(QStringLiteral("."));
}

void Corvane::settingChangeLanguage()
{
    const int index = languageIndexFromSetting(readSetting(QStringLiteral("dev/softwarelanguage")));
    QTranslator &translator = languageTranslator();
    // load() empties the translator first, so an index without a file (or a
    // missing file) leaves the source texts on screen.
    translator.load(languageFileFor(index), QCoreApplication::applicationDirPath());
    QCoreApplication::installTranslator(&translator);
}

void Corvane::func_change_resolution(QAction *action)
{
    resolutionMenu_->changeResolution(this, action);
}

void Corvane::setWidgetStateDui(QString s)
{
    banner_->showOk(s);
}

void Corvane::setWidgetStateCuo(QString s)
{
    banner_->showFail(s);
}

void Corvane::side_fenbianlv()
{
    // The camera's own picture size decides the marked entry: the shown
    // frame may be decoded smaller, turned or zoomed.
    QMenu *menu = resolutionMenu_->openMenu(this, liveView_->cameraFrameSize(), screenHeight_);
    if (menu)
        connect(menu, SIGNAL(triggered(QAction *)), this, SLOT(func_change_resolution(QAction *)));
}

void Corvane::setWidgetStateTextClear()
{
    banner_->clear();
}

void Corvane::startWifiVideo(QString send_ip)
{
    // One live view at a time: a second address while one runs is refused,
    // and the panels keep their state.
    if (liveView_->isRunning())
        return;
    sideShowAndHide();
    ui_->btn_side->show();
    wifiSelect_->hide();
    processValues().cameraIp = send_ip;
    liveView_->start(send_ip);
}

void Corvane::drawWifiVideoFrame(unsigned char *buffer, int size)
{
    if (videoRecording_)
        QV_AddVideoData(recordHandle_, buffer, size);
}

void Corvane::drawWifiVideoFrame(QImage image)
{
    liveView_->acceptFrame(image);
}

void Corvane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::red);
    switch (ui_->stackedWidget->currentIndex()) {
    case FloatingPanels::LivePage:
        livePainter_.paint(painter, liveView_->currentFrame(), screenWidth_, viewHeight_, liveNotice());
        break;
    case FloatingPanels::AnnotatePage:
        painter.fillRect(QRect(0, kTitleBarHeight, screenWidth_, viewHeight_), Qt::white);
        break;
    default:
        break;
    }
    // No update() here: the picture area repaints when the live view reports
    // something new (createLiveView), when the page changes and when Qt
    // itself asks (exposure, size).
}

bool Corvane::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *button = qobject_cast<QWidget *>(watched)) {
        if (event->type() == QEvent::HoverEnter)
            showHoverTip(button);
        else if (event->type() == QEvent::HoverLeave)
            hoverTip_->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void Corvane::showHoverTip(QWidget *button)
{
    const QPoint global = button->mapToGlobal(QPoint(0, 0));
    if (button == ui_->btn_side) {
        hoverTip_->setText(panels_.shown() ? tr("side_shouqi") : tr("side_xianshi"));
        hoverTip_->showAt(sideButtonTipPosition(global));
        return;
    }
    QString text;
    int yOffset = 42;
    if (button == ui_->luxiang_mic_btn) {
        text = tr("luyin");
        yOffset = 2;
    } else if (button == ui_->software_settings) {
        text = tr("software_settings");
    } else if (button == ui_->software_help) {
        text = tr("software_help");
    } else if (button == ui_->software_min) {
        text = tr("software_min");
    } else if (button == ui_->software_close) {
        text = tr("software_close");
    } else {
        return;
    }
    hoverTip_->setText(text);
    hoverTip_->showAt(centredTipPosition(global, hoverTip_->width(), screenWidth_, yOffset));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void Corvane::enterEvent(QEvent *event)
{
    activateWindow();
    QWidget::enterEvent(event);
}
#endif

void Corvane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    else
        QWidget::changeEvent(event);
}

#include "moc_corvane.cpp"
