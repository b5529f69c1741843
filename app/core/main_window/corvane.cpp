// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/corvane.h"
#include "ui_corvane.h"

#include "core/startup/app_settings.h"
#include "core/capture/crop_grab_area.h"
#include "core/capture/microphone_switch.h"
#include "core/capture/photo_tool.h"
#include "tools/corner_adjust/corner_adjust_tool.h"
#include "tools/page_capture/page_capture_tool.h"
#include "core/capture/recording_clock.h"
#include "core/capture/screen_recording_tool.h"
#include "core/capture/video_recording_tool.h"
#include "imaging/deskew/sheet_tracker.h"
#include "tools/barcode_tool/barcode_tool.h"
#include "core/main_window/button_caption.h"
#include "core/main_window/full_screen_mode.h"
#include "core/main_window/hover_tip.h"
#include "core/main_window/live_shortcuts.h"
#include "core/main_window/panel_setup.h"
#include "core/pages/live_page_controller.h"
#include "imaging/side_bar/my_side_bar.h"
#include "imaging/transforms/view_transform.h"
#include "imaging/transforms/view_transforms.h"
#include "tools/curtain/curtain_opener.h"
#include "tools/ocr/ocr_tool.h"
#include "tools/pdf/pdf_composer_launcher.h"
#include "tools/compare/compare_page_controller.h"
#include "tools/compare/my_com_bar.h"
#include "tools/annotate/annotation_setup.h"
#include "tools/annotate/my_annotate_bar.h"
#include "tools/tool_bar/my_tool_bar.h"
#include "tools/settings/my_settings_bar.h"
#include "core/connection/my_wifi_select.h"
#include "core/startup/language_switch.h"
#include "core/live_view/live_view_session.h"
#include "core/live_view/live_notice.h"
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
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegion>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

Corvane::Corvane(QWidget *parent)
    : QWidget(parent),
      ui_(new Ui::CorvaneClass),
      resolutionMenu_(std::make_unique<ResolutionMenuController>())
{
    buildShell();
    shapeSideButton();
    connectTitleBar();

    // The floating panels, each placed from panelPlacesFor(); the toggle
    // below hides them until a camera is chosen.
    createPanelsAndPages();
    pdfComposer_ = std::make_unique<PdfComposerLauncher>(
        this, [this](const QString &message) { setWidgetStateCuo(message); });
    curtain_ = std::make_unique<CurtainOpener>(this, screenWidth_, screenHeight_);
    ocrTool_ = std::make_unique<OcrTool>(this, toolBar_, banner_);
    sideShowAndHide();
    ui_->btn_side->hide();

    wifiSelect_ = new MyWifiSelect(std::make_unique<WirelessBroadcastSource>(),
                                   CameraSearchWorker::libraryQuery());
    wifiSelect_->showInFrontOf(this);
    connect(wifiSelect_, SIGNAL(sendWifiIp(QString)), this, SLOT(startWifiVideo(QString)));
    createLiveView();
    createCaptureTools();

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
    bindShortcuts();
}

Corvane::~Corvane()
{
    delete settingsDialog_.data();
    // Recordings still running are finished while the live view still runs.
    videoRecording_.reset();
    screenRecording_.reset();
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
    // Through QIcon, so a screen scaled by 2 gets the marks from their @2x
    // pictures at its own resolution.
    banner_->setMarks(
        QIcon(QStringLiteral(":/static/other/widget_state_dui.png")).pixmap(20, 20).toImage(),
        QIcon(QStringLiteral(":/static/other/widget_state_cuo.png")).pixmap(20, 20).toImage());
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

    recordClock_ = new RecordingClock(ui_->widget_luxiang, ui_->luxiang_mic, steadyMillisecondsClock(), this);
    mic_ = std::make_unique<MicrophoneSwitch>(ui_->luxiang_mic_btn, banner_);
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
    liveView_->framePath().setTransforms(view_.get());
    fitDecodingToView();
    connect(liveView_.get(), &LiveViewSession::startWork, this, &Corvane::startWifiWork);
    connect(liveView_.get(), SIGNAL(frameBytes(unsigned char *, int)), this,
            SLOT(drawWifiVideoFrame(unsigned char *, int)));
    // The picture area repaints when there is something new to show: a
    // frame, the camera's silence or return, a change of view, another page.
    const auto repaint = [this]() { update(livePage_->pictureArea()); };
    connect(liveView_.get(), &LiveViewSession::pictureChanged, this, repaint);
    connect(view_.get(), &ViewTransforms::viewChanged, this, repaint);
    connect(view_.get(), &ViewTransforms::viewChanged, this, &Corvane::fitDecodingToView);
    connect(ui_->stackedWidget, &QStackedWidget::currentChanged, this, repaint);
    connect(liveView_.get(), &LiveViewSession::cameraAnswered, this, &Corvane::cameraAnswered);
}

void Corvane::createCaptureTools()
{
    const auto onLivePage = [this] { return pageIndex() == FloatingPanels::LivePage; };
    PhotoTool::Parts photo;
    photo.view = view_.get();
    photo.sheets = sheets_.get();
    photo.fullPicture = [this] { return fullResolutionPicture(); };
    photo.grabScreen = [this](const QRect &area) { return grabScreenArea(this, area); };
    photo.banner = banner_;
    photo_ = std::make_unique<PhotoTool>(std::move(photo));

    // The clock sits beside the record buttons of the tool bar; it follows
    // the bar when the bar grows by buttons at its end (centred, it moves
    // left by half of what it grew).
    const int grown = toolBarWidth(screenHeight_) - (isLargeScreen(screenHeight_) ? 640 : 568);
    const int clockX = (screenWidth_ - 812) / 2 - grown / 2;
    VideoRecordingTool::Parts video;
    video.live = liveView_.get();
    video.view = view_.get();
    video.clock = recordClock_;
    video.banner = banner_;
    video.onLivePage = onLivePage;
    video.switchButtonOff = [this] { toolBar_->switchOff(MyToolBar::RecordVideo); };
    video.clockPlace = QPoint(clockX + 174, viewHeight_ - 200);
    videoRecording_ = std::make_unique<VideoRecordingTool>(std::move(video));

    ScreenRecordingTool::Parts screen;
    screen.clock = recordClock_;
    screen.banner = banner_;
    screen.onLivePage = onLivePage;
    screen.switchButtonOff = [this] { toolBar_->switchOff(MyToolBar::RecordScreen); };
    // The screen above the banner strip, in the screen's own pixels.
    screen.area = [this] {
        const qreal ratio = devicePixelRatioF();
        return QRect(0, 0, qRound(screenWidth_ * ratio), qRound(viewHeight_ * ratio));
    };
    screen.clockPlace = QPoint(clockX + 256, viewHeight_ - 200);
    screenRecording_ = std::make_unique<ScreenRecordingTool>(std::move(screen));

    barcodeTool_ = std::make_unique<BarcodeTool>(clipboard_, banner_);
    createPageTools();
}

bool Corvane::livePictureRunning() const
{
    return !currentFrame().isNull() && !view_->freezeOn() && !liveView_->cameraSilent();
}

void Corvane::createPageTools()
{
    const auto save = [this](const QImage &picture, const QString &note) {
        return photo_->save(picture, note);
    };
    const auto fail = [this](const QString &message) { banner_->showFail(message); };
    PageCaptureSession::Parts pages;
    pages.fullPicture = [this] { return fullResolutionPicture(); };
    pages.savePhoto = save;
    pages.compose = [this](const QStringList &pictures) { pdfComposer_->openWith(pictures); };
    pages.reportFailure = fail;
    pageCapture_ = std::make_unique<PageCaptureTool>(this, std::move(pages));
    connect(pageCapture_.get(), &PageCaptureTool::ended, this,
            [this] { toolBar_->switchOff(MyToolBar::Pages); });
    connect(liveView_.get(), &LiveViewSession::pictureChanged, this,
            [this] { pageCapture_->frameArrived(currentFrame()); });

    CornerAdjustTool::Parts corners;
    corners.fullPicture = [this] { return fullResolutionPicture(); };
    corners.savePhoto = save;
    corners.reportFailure = fail;
    cornerAdjust_ = std::make_unique<CornerAdjustTool>(this, std::move(corners));
}

void Corvane::fitDecodingToView()
{
    // Frames are decoded just large enough for the rows they fill; a zoomed
    // view shows a cut-out, which needs as many more rows of the frame as it
    // is magnified.
    const ViewState &state = view_->state();
    const double rows = livePage_->pictureArea().height() * zoomMagnification(state.liveZoom);
    liveView_->setDisplayRows(static_cast<int>(std::ceil(rows)), state.rotationStep % 2 == 1);
}

void Corvane::setPresentObserver(std::function<void(const QImage &)> observer)
{
    livePage_->setPresentObserver(std::move(observer));
}

const QImage &Corvane::currentFrame() const
{
    return view_->currentFrame();
}

MyPDFBar *Corvane::pdfComposer() const
{
    return pdfComposer_->composer();
}

MyCurtainBar *Corvane::curtain() const
{
    return curtain_->curtain();
}

bool Corvane::fullScreenOn() const
{
    return fullScreen_->isOn();
}

int Corvane::pageIndex() const
{
    return ui_->stackedWidget->currentIndex();
}

PageController &Corvane::page()
{
    return pages_.at(pageIndex());
}

void Corvane::createPanelsAndPages()
{
    view_ = std::make_unique<ViewTransforms>(processValues().freezeStillPath);
    // Deskew mode: every fifth frame while it is on, on the frame path.
    sheets_ = std::make_unique<SheetTracker>();
    view_->setDetector([this](const QImage &frame) { sheets_->detect(frame, view_->state()); });
    auto live = std::make_unique<LivePageController>(
        *view_, QRect(0, kTitleBarHeight, screenWidth_, viewHeight_));
    livePage_ = live.get();
    livePage_->setOutlinePainter([this](QPainter &painter, const QRect &target, const QSize &picture) {
        sheets_->paintOutline(painter, target, picture, view_->state());
    });
    pages_.set(FloatingPanels::LivePage, std::move(live));

    const CreatedPanels panels = createToolAndSideBars(this, screenWidth_, screenHeight_);
    toolBar_ = panels.toolBar;
    sideBar_ = panels.sideBar;
    panels_.toolBar = toolBar_;
    panels_.sideBar = sideBar_;

    comBar_ = createCompareBar(this, screenWidth_, screenHeight_);
    panels_.comBar = comBar_;
    auto compare = std::make_unique<ComparePageController>(ComparePageController::Parts{
        ComparePageWidgets::fromPage(ui_->page_3), ui_->stackedWidget, comBar_,
        QSize(screenWidth_, viewHeight_), [this] { return currentFrame(); }, {}});
    comparePage_ = compare.get();
    pages_.set(FloatingPanels::ComparePage, std::move(compare));
    CreatedAnnotation annotation =
        createAnnotation(this, ui_->graphicsView, ui_->stackedWidget, screenWidth_, screenHeight_);
    annotateBar_ = annotation.bar;
    panels_.annotateBar = annotateBar_;
    annotatePage_ = annotation.page.get();
    pages_.set(FloatingPanels::AnnotatePage, std::move(annotation.page));

    FullScreenMode::Parts parts;
    parts.titleBar = ui_->widget_title;
    parts.pageArea = ui_->stackedWidget;
    parts.panelButton = ui_->btn_side;
    parts.panelsShown = [this] { return panels_.shown(); };
    parts.togglePanels = [this] { sideShowAndHide(); };
    fullScreen_ = std::make_unique<FullScreenMode>(std::move(parts), screenWidth_, screenHeight_);
}

void Corvane::bindShortcuts()
{
    shortcuts_ = new LiveShortcuts(this);
    const struct {
        LiveShortcuts::Action action;
        MySideBar::Button button;
    } side[] = {{LiveShortcuts::RotateLeft, MySideBar::RotateLeft},
                {LiveShortcuts::RotateRight, MySideBar::RotateRight},
                {LiveShortcuts::MirrorLeftRight, MySideBar::MirrorLeftRight},
                {LiveShortcuts::MirrorTopBottom, MySideBar::MirrorTopBottom},
                {LiveShortcuts::ZoomIn, MySideBar::ZoomIn},
                {LiveShortcuts::ZoomOut, MySideBar::ZoomOut},
                {LiveShortcuts::Freeze, MySideBar::Freeze}};
    for (const auto &entry : side) {
        const MySideBar::Button button = entry.button;
        shortcuts_->bind(entry.action, [this, button] {
            pressPanelButton(sideBar_->button(button), sideBar_->captionFor(button));
        });
    }
    shortcuts_->bind(LiveShortcuts::Photo, [this] {
        pressPanelButton(toolBar_->button(MyToolBar::Photo), toolBar_->captionFor(MyToolBar::Photo));
    });
    shortcuts_->bind(LiveShortcuts::Panels, [this] { sideShowAndHide(); });
    shortcuts_->bind(LiveShortcuts::FullScreen, [this] { toggleFullScreen(); });
}

void Corvane::pressPanelButton(QToolButton *button, const QString &caption)
{
    if (button->isEnabled())
        button->click();
    else
        setWidgetStateCuo(QString(caption).replace(QLatin1Char('\n'), QStringLiteral(": ")));
}

void Corvane::toggleFullScreen()
{
    fullScreen_->toggle();
    livePage_->setPictureArea(fullScreen_->pictureArea());
    fitDecodingToView();
    update();
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
    mic_->toggle();
}

bool Corvane::micOn() const
{
    return mic_->isOn();
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
    LanguageSwitch::program().switchToStored();
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
    // The dialog goes first: it raises this window, and the panels shown
    // next must end up above it.
    wifiSelect_->finish();
    sideShowAndHide();
    ui_->btn_side->show();
    processValues().cameraIp = send_ip;
    liveView_->start(send_ip);
    shortcuts_->setEnabled(true);
}

void Corvane::drawWifiVideoFrame(unsigned char *buffer, int size)
{
    videoRecording_->addFrame(buffer, size);
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
        page().paint(painter);
        paintLiveNotice(painter, livePage_->pictureArea(), liveNotice());
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

void Corvane::tool_openDir()
{
    if (!folderOpener_.open())
        setWidgetStateCuo(tr("Could not open the folder %1").arg(SaveFolderOpener::folder()));
}

void Corvane::tool_paizhao()
{
    photo_->take();
}

void Corvane::tool_luxiang(bool on)
{
    videoRecording_->switchTo(on);
}

void Corvane::tool_luping(bool on)
{
    screenRecording_->switchTo(on);
}

void Corvane::tool_tiaoma()
{
    barcodeTool_->read(fullResolutionPicture());
}

void Corvane::tool_pdf()
{
    pdfComposer_->open();
}

QImage Corvane::fullResolutionPicture()
{
    // What the screen shows, from the camera's full picture: the shown frame
    // may have been decoded smaller.
    if (liveView_->currentFrameBytes().isEmpty())
        return currentFrame();
    const QImage full = liveView_->fullResolutionFrame();
    return full.isNull() ? currentFrame() : applyViewTransform(full, view_->state());
}

void Corvane::tool_ocr()
{
    ocrTool_->recognise(fullResolutionPicture());
}

void Corvane::tool_lianpai(bool on)
{
    pageCapture_->switchOn(on, livePictureRunning());
}

void Corvane::tool_sijiao()
{
    cornerAdjust_->open(currentFrame());
}

void Corvane::func_pdf_widget_openfile(QString fileName)
{
    pdfComposer_->showResult(fileName);
}

void Corvane::side_zhezhao()
{
    curtain_->open();
}

void Corvane::tool_duibi(bool on)
{
    comparePage_->switchOn(on);
}

void Corvane::com_widget_2()
{
    comparePage_->showLayout(CompareLayout::Two);
}

void Corvane::com_widget_4()
{
    comparePage_->showLayout(CompareLayout::Four);
}

void Corvane::com_widget_6()
{
    comparePage_->showLayout(CompareLayout::Six);
}

void Corvane::com_widget_file()
{
    comparePage_->openPicture();
}

void Corvane::com_widget_scan()
{
    comparePage_->takePicture();
}

void Corvane::tool_pizhu(bool on)
{
    annotatePage_->switchAnnotation(on, currentFrame());
}

void Corvane::annotate_text()
{
    annotatePage_->toggleText();
}

void Corvane::annotate_xiangpicha()
{
    annotatePage_->toggleEraser();
}

void Corvane::annotate_qingkong()
{
    annotatePage_->clear();
}

void Corvane::annotate_save()
{
    annotatePage_->save();
}

void Corvane::side_zuozhuan()
{
    page().rotateLeft();
}

void Corvane::side_youzhuan()
{
    page().rotateRight();
}

void Corvane::side_zuoyoujingxiang()
{
    page().mirrorHorizontal();
}

void Corvane::side_shangxiajingxiang()
{
    page().mirrorVertical();
}

void Corvane::side_fangda()
{
    page().zoomIn();
}

void Corvane::side_suoxiao()
{
    page().zoomOut();
}

void Corvane::side_jiupian(int on)
{
    view_->setDeskewOn(on != 0);
}

void Corvane::side_caijian(int on)
{
    view_->setCropOn(on != 0);
}

void Corvane::side_dongjie()
{
    page().freeze();
}

void Corvane::mousePressEvent(QMouseEvent *event)
{
    page().mousePress(event);
}

void Corvane::mouseReleaseEvent(QMouseEvent *event)
{
    page().mouseRelease(event);
}

void Corvane::mouseMoveEvent(QMouseEvent *event)
{
    page().mouseMove(event);
}

void Corvane::wheelEvent(QWheelEvent *event)
{
    page().wheel(event);
}

void Corvane::keyPressEvent(QKeyEvent *event)
{
    if (!page().keyPress(event))
        QWidget::keyPressEvent(event);
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
        hoverTip_->setText(buttonCaption(panels_.shown() ? tr("side_shouqi") : tr("side_xianshi"),
                                         LiveShortcuts::primaryKeyFor(LiveShortcuts::Panels),
                                         QString()));
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
