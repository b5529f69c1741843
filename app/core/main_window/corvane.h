// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CORVANE_H
#define CORVANE_CORVANE_H

// The application's only main window: frameless and full-screen, with the
// title bar, the stacked picture area (0 live view, 1 annotation, 2 compare),
// the side-panel button, the recording clock, the status banner and the hover
// tips. Its live view is a LiveViewSession (worker, threads, preview handle);
// the frames pass the view transforms on their way to the current frame,
// and the window paints the live page whenever something on it changes.
// Its mouse, wheel and key handlers and the side bar's picture slots go to
// the controller of the page on show.
//
// Thread rules: everything here runs on the GUI thread. The live-view
// session owns the threads of the live view (live_view_session.h); the
// window's destructor stops it before anything else goes away.

#include "core/capture/save_folder_opener.h"
#include "core/main_window/floating_panels.h"
#include "core/pages/page_controllers.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class BarcodeTool;
class CornerAdjustTool;
class PageCaptureTool;
class CurtainOpener;
class ComparePageController;
class AnnotationPageController;
class FullScreenMode;
class HoverTip;
class LivePageController;
class LiveShortcuts;
class MyCurtainBar;
class MyPDFBar;
class MyComBar;
class MyAnnotateBar;
class MySideBar;
class MyToolBar;
class MySettingsBar;
class MyWifiSelect;
class LiveViewSession;
class MicrophoneSwitch;
class OcrTool;
class PhotoTool;
class RecordingClock;
class ScreenRecordingTool;
class SheetTracker;
class VideoRecordingTool;
class QAction;
class QClipboard;
class QPainter;
class QToolButton;
class PdfComposerLauncher;
class ResolutionMenuController;
class StatusBanner;
class ViewTransforms;

namespace Ui {
class CorvaneClass;
}

class Corvane : public QWidget {
    Q_OBJECT

public:
    explicit Corvane(QWidget *parent = nullptr);
    ~Corvane() override;

    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    int viewHeight() const { return viewHeight_; }
    const QImage &currentFrame() const;
    // The current frame as shown (turned, mirrored, zoomed), but from the
    // camera's full-resolution picture: for photos, bar codes and text.
    QImage fullResolutionPicture();
    bool panelsShown() const { return panels_.shown(); }
    // Whether screen recordings record sound (the microphone button).
    bool micOn() const;
    MyWifiSelect *connectionDialog() const { return wifiSelect_; }
    MySettingsBar *settingsDialog() const;
    ResolutionMenuController &resolutionMenu() const { return *resolutionMenu_; }
    StatusBanner *statusBanner() const { return banner_; }
    HoverTip *hoverTip() const { return hoverTip_.get(); }
    LiveViewSession &liveView() const { return *liveView_; }
    MyToolBar *toolBar() const { return toolBar_; }
    MySideBar *sideBar() const { return sideBar_; }
    MyComBar *comBar() const { return comBar_; }
    ComparePageController &comparePage() const { return *comparePage_; }
    MyAnnotateBar *annotateBar() const { return annotateBar_; }
    AnnotationPageController &annotationPage() const { return *annotatePage_; }
    ViewTransforms &viewTransforms() const { return *view_; }
    LiveShortcuts *shortcuts() const { return shortcuts_; }
    // The current PDF composer and curtain; null until first opened.
    MyPDFBar *pdfComposer() const;
    MyCurtainBar *curtain() const;
    OcrTool &ocrTool() const { return *ocrTool_; }
    SheetTracker &sheetTracker() const { return *sheets_; }
    PhotoTool &photoTool() const { return *photo_; }
    RecordingClock &recordingClock() const { return *recordClock_; }
    VideoRecordingTool &videoRecording() const { return *videoRecording_; }
    ScreenRecordingTool &screenRecording() const { return *screenRecording_; }
    BarcodeTool &barcodeTool() const { return *barcodeTool_; }
    PageCaptureTool &pageCapture() const { return *pageCapture_; }
    CornerAdjustTool &cornerAdjust() const { return *cornerAdjust_; }
    bool fullScreenOn() const;
    int pageIndex() const;

    // Called by paintEvent with each frame the first time it reaches the
    // screen; for measurements, outside the meta-object.
    void setPresentObserver(std::function<void(const QImage &)> observer);

signals:
    void startWifiWork();

public slots:
    void sideShowAndHide();
    void myMic();
    void settingChangeSavePath(QString path);
    void settingChangeLanguage();
    void func_change_resolution(QAction *action);
    void setWidgetStateDui(QString s);
    void setWidgetStateCuo(QString s);
    void setWidgetStateTextClear();
    void func_pdf_widget_openfile(QString fileName);
    void tool_openDir();
    void tool_luxiang(bool on);
    void tool_luping(bool on);
    void tool_paizhao();
    void tool_tiaoma();
    void tool_pdf();
    void tool_ocr();
    void tool_lianpai(bool on);
    void tool_sijiao();
    void tool_duibi(bool on);
    void tool_pizhu(bool on);
    void side_fenbianlv();
    void side_zuozhuan();
    void side_youzhuan();
    void side_zuoyoujingxiang();
    void side_shangxiajingxiang();
    void side_fangda();
    void side_suoxiao();
    void side_jiupian(int on);
    void side_caijian(int on);
    void side_zhezhao();
    void side_dongjie();
    void com_widget_2();
    void com_widget_4();
    void com_widget_6();
    void com_widget_file();
    void com_widget_scan();
    void annotate_text();
    void annotate_xiangpicha();
    void annotate_qingkong();
    void annotate_save();
    void startWifiVideo(QString send_ip);
    void drawWifiVideoFrame(unsigned char *buffer, int size);
    void drawWifiVideoFrame(QImage image);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent *event) override;
#endif
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildShell();
    void shapeSideButton();
    void connectTitleBar();
    void openSettingsDialog();
    void createLiveView();
    void createCaptureTools();
    // Hands-free pages and corner adjustment, on the photo tool's saving.
    void createPageTools();
    // A live camera picture is coming in and shown unfrozen.
    bool livePictureRunning() const;
    void showHoverTip(QWidget *button);
    void createPanelsAndPages();
    void bindShortcuts();
    // What a shortcut does: presses the button, or says why it cannot.
    void pressPanelButton(QToolButton *button, const QString &caption);
    void toggleFullScreen();
    PageController &page();
    void fitDecodingToView();
    QString liveNotice() const;
    void cameraAnswered(bool again);

    std::unique_ptr<Ui::CorvaneClass> ui_;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int viewHeight_ = 0;

    FloatingPanels panels_;
    StatusBanner *banner_ = nullptr;
    std::unique_ptr<HoverTip> hoverTip_;
    RecordingClock *recordClock_ = nullptr; // child of the window
    std::unique_ptr<MicrophoneSwitch> mic_;
    QClipboard *clipboard_ = nullptr;
    MyWifiSelect *wifiSelect_ = nullptr;
    // No parent: replaced (deleted) by every opening.
    QPointer<MySettingsBar> settingsDialog_;
    std::unique_ptr<ResolutionMenuController> resolutionMenu_;

    std::unique_ptr<LiveViewSession> liveView_;

    std::unique_ptr<ViewTransforms> view_;
    std::unique_ptr<SheetTracker> sheets_;
    PageControllers pages_;
    LivePageController *livePage_ = nullptr; // owned by pages_
    MyToolBar *toolBar_ = nullptr;
    MySideBar *sideBar_ = nullptr;
    MyComBar *comBar_ = nullptr;
    ComparePageController *comparePage_ = nullptr; // owned by pages_
    MyAnnotateBar *annotateBar_ = nullptr;
    AnnotationPageController *annotatePage_ = nullptr; // owned by pages_
    LiveShortcuts *shortcuts_ = nullptr;
    std::unique_ptr<FullScreenMode> fullScreen_;
    SaveFolderOpener folderOpener_;
    std::unique_ptr<PdfComposerLauncher> pdfComposer_;
    std::unique_ptr<CurtainOpener> curtain_;
    std::unique_ptr<OcrTool> ocrTool_;
    std::unique_ptr<PhotoTool> photo_;
    std::unique_ptr<VideoRecordingTool> videoRecording_;
    std::unique_ptr<ScreenRecordingTool> screenRecording_;
    std::unique_ptr<BarcodeTool> barcodeTool_;
    std::unique_ptr<PageCaptureTool> pageCapture_;
    std::unique_ptr<CornerAdjustTool> cornerAdjust_;
};

#endif
