#ifndef CORVANE_CORVANE_H
#define CORVANE_CORVANE_H

// The application's only main window: frameless and full-screen, with the
// title bar, the stacked picture area (0 live view, 1 annotation, 2 compare),
// the side-panel button, the recording clock, the status banner and the hover
// tips. Its live view is a LiveViewSession (worker, threads, preview handle,
// current frame); the window paints the session's current frame whenever
// something on the live page changes.
//
// Thread rules: everything here runs on the GUI thread. The live-view
// session owns the threads of the live view (live_view_session.h); the
// window's destructor stops it before anything else goes away.

#include "core/main_window/floating_panels.h"
#include "core/live_view/live_picture_painter.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "qv_camera.h"

class HoverTip;
class MySettingsBar;
class MyWifiSelect;
class LiveViewSession;
class QAction;
class QClipboard;
class QPainter;
class QTime;
class QTimer;
class ResolutionMenuController;
class StatusBanner;

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
    bool panelsShown() const { return panels_.shown(); }
    bool micOn() const { return micOn_; }
    MyWifiSelect *connectionDialog() const { return wifiSelect_; }
    MySettingsBar *settingsDialog() const;
    ResolutionMenuController &resolutionMenu() const { return *resolutionMenu_; }
    StatusBanner *statusBanner() const { return banner_; }
    HoverTip *hoverTip() const { return hoverTip_.get(); }
    LiveViewSession &liveView() const { return *liveView_; }

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
    void side_fenbianlv();
    void startWifiVideo(QString send_ip);
    void drawWifiVideoFrame(unsigned char *buffer, int size);
    void drawWifiVideoFrame(QImage image);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
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
    void showHoverTip(QWidget *button);
    QRect pictureArea() const;
    QString liveNotice() const;
    void cameraAnswered(bool again);

    std::unique_ptr<Ui::CorvaneClass> ui_;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int viewHeight_ = 0;

    FloatingPanels panels_;
    bool micOn_ = true;
    StatusBanner *banner_ = nullptr;
    std::unique_ptr<HoverTip> hoverTip_;
    QTimer *recordTimer_ = nullptr;
    std::unique_ptr<QTime> recordTime_;
    QClipboard *clipboard_ = nullptr;
    MyWifiSelect *wifiSelect_ = nullptr;
    // No parent: replaced (deleted) by every opening.
    QPointer<MySettingsBar> settingsDialog_;
    std::unique_ptr<ResolutionMenuController> resolutionMenu_;

    std::unique_ptr<LiveViewSession> liveView_;
    LivePicturePainter livePainter_;
    Recorder *recordHandle_ = nullptr;
    bool videoRecording_ = false;
};

#endif
